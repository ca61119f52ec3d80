#include "platform/FrameSendSocket.h"

#include <linux/if_packet.h>
#include <net/if.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace lumicord {

std::unique_ptr<CFrameSendSocket> CFrameSendSocket::Open(const std::string& interfaceName) {
    const unsigned index = if_nametoindex(interfaceName.c_str());
    if (index == 0)
        return nullptr;
    // Protocol 0: the socket is on no receive list, so no frame is ever queued to it.
    const int fd = socket(AF_PACKET, SOCK_RAW | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return nullptr;
    sockaddr_ll address{};
    address.sll_family = AF_PACKET;
    address.sll_protocol = 0;
    address.sll_ifindex = static_cast<int>(index);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return nullptr;
    }
    return std::unique_ptr<CFrameSendSocket>(new CFrameSendSocket(fd));
}

CFrameSendSocket::~CFrameSendSocket() {
    close(m_fd);
}

bool CFrameSendSocket::Send(const void* frame, std::size_t size) {
    for (;;) {
        const ssize_t sent = send(m_fd, frame, size, 0);
        if (sent >= 0)
            return static_cast<std::size_t>(sent) == size;
        if (errno != EINTR)
            return false;
    }
}

} // namespace lumicord
