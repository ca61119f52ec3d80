#include "link/FileChunker.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumicord {

CFileChunker::~CFileChunker() {
    Close();
}

bool CFileChunker::Open(const std::string& path) {
    Close();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_opened = true;
    m_length = static_cast<std::uint64_t>(info.st_size);
    return true;
}

void CFileChunker::Close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_opened = false;
    m_length = m_position = m_chunks = 0;
}

bool CFileChunker::NextChunk(LinkFrame& frame) {
    if (!m_opened || AtEnd())
        return false;
    std::uint8_t buffer[kChunkDataSize];
    std::size_t filled = 0;
    const std::uint64_t left = m_length - m_position;
    const std::size_t wanted =
        left < kChunkDataSize ? static_cast<std::size_t>(left) : kChunkDataSize;
    while (filled < wanted) {
        const ssize_t got = ::read(m_fd, buffer + filled, wanted - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false; // read error, or the file shrank under us
        filled += static_cast<std::size_t>(got);
    }
    ++m_chunks;
    FillChunk(frame, m_chunks, m_position, buffer, filled, m_length);
    m_position += filled;
    return true;
}

} // namespace lumicord
