// A packet socket bound to one interface that only sends: it is opened for no protocol, so
// the kernel hands it no frames at all, and sends from several threads need no lock.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace lumicord {

class CFrameSendSocket {
public:
    // Null when the interface does not exist or the socket cannot be made (no CAP_NET_RAW).
    static std::unique_ptr<CFrameSendSocket> Open(const std::string& interfaceName);
    ~CFrameSendSocket();
    CFrameSendSocket(const CFrameSendSocket&) = delete;
    CFrameSendSocket& operator=(const CFrameSendSocket&) = delete;

    // Sends one whole Ethernet frame; false when the kernel did not take it.
    bool Send(const void* frame, std::size_t size);

private:
    explicit CFrameSendSocket(int fd) : m_fd(fd) {}
    int m_fd;
};

} // namespace lumicord
