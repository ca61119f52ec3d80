// The transfers' receive paths, one per adapter device: opened by the first transfer that
// joins, shared by every transfer on that device, closed when the last one leaves. Stopping
// wakes every waiting transfer and keeps new ones from joining.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "link/TransferPath.h"

namespace lumicord {

class CTransferPaths {
public:
    enum class JoinResult { Joined, Failed, Stopped };

    // The path of `device` into `path`: the one open now, or a newly opened one.
    JoinResult Join(const std::string& device, std::shared_ptr<CTransferPath>& path);
    // Stops the transfers on every open path; every later Join reports Stopped.
    void StopAll();

private:
    std::mutex m_lock;
    std::map<std::string, std::weak_ptr<CTransferPath>> m_paths;
    bool m_stopped = false;
};

} // namespace lumicord
