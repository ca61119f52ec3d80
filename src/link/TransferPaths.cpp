#include "link/TransferPaths.h"

#include <vector>

namespace lumicord {

CTransferPaths::JoinResult CTransferPaths::Join(const std::string& device,
                                                std::shared_ptr<CTransferPath>& path) {
    std::lock_guard lock(m_lock);
    if (m_stopped)
        return JoinResult::Stopped;
    std::weak_ptr<CTransferPath>& slot = m_paths[device];
    path = slot.lock();
    if (!path) {
        // Opened under the lock, so that the transfers of a batch starting together open one
        // path between them.
        path = CTransferPath::Open(device);
        if (!path) {
            m_paths.erase(device);
            return JoinResult::Failed;
        }
        slot = path;
    }
    return JoinResult::Joined;
}

void CTransferPaths::StopAll() {
    std::vector<std::shared_ptr<CTransferPath>> open;
    {
        std::lock_guard lock(m_lock);
        m_stopped = true;
        for (auto& [device, weak] : m_paths)
            if (auto path = weak.lock())
                open.push_back(std::move(path));
    }
    for (const auto& path : open)
        path->StopTransfers();
}

} // namespace lumicord
