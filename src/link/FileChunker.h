// Reads a file chunk by chunk into transfer frames (1024 bytes a chunk, counted from 1).
#pragma once

#include <cstdint>
#include <string>

#include "link/LinkFrame.h"

namespace lumicord {

class CFileChunker {
public:
    CFileChunker() = default;
    ~CFileChunker();
    CFileChunker(const CFileChunker&) = delete;
    CFileChunker& operator=(const CFileChunker&) = delete;

    // Opens `path` for reading and takes its length. False when it cannot be opened.
    bool Open(const std::string& path);
    void Close();

    // Cuts the next chunk into `frame` (seq_no, chunk_pos, chunk_len, chunk_data). An empty
    // file gives one chunk of length 0. False on a read error or when nothing is left.
    bool NextChunk(LinkFrame& frame);

    // True once the chunk that ends at the file length has been cut.
    bool AtEnd() const { return m_opened && m_position == m_length && m_chunks > 0; }
    std::uint64_t Length() const { return m_length; }
    std::uint64_t ChunkCount() const { return m_chunks; }

private:
    int m_fd = -1;
    bool m_opened = false;
    std::uint64_t m_length = 0;
    std::uint64_t m_position = 0;
    std::uint64_t m_chunks = 0;
};

} // namespace lumicord
