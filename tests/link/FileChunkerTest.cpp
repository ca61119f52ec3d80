#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <unistd.h>
#include <vector>

#include "link/FileChunker.h"

using namespace lumicord;

namespace {

struct Chunk {
    std::uint16_t seq;
    std::uint16_t pos;
    std::uint16_t len;
};

class FileChunkerTest : public ::testing::Test {
protected:
    std::filesystem::path m_path =
        std::filesystem::temp_directory_path() / ("lumicord-chunks-" + std::to_string(::getpid()));

    void TearDown() override { std::filesystem::remove(m_path); }

    std::vector<std::uint8_t> Write(std::size_t size) {
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 1024);
        std::ofstream(m_path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return bytes;
    }

    // Cuts the file and checks that the chunks put back together give the file.
    std::vector<Chunk> Cut(const std::vector<std::uint8_t>& bytes) {
        CFileChunker chunker;
        EXPECT_TRUE(chunker.Open(m_path.string()));
        std::vector<Chunk> chunks;
        std::vector<std::uint8_t> joined;
        LinkFrame frame = EmptyFrame();
        while (!chunker.AtEnd()) {
            if (!chunker.NextChunk(frame)) {
                ADD_FAILURE() << "read failed";
                break;
            }
            chunks.push_back({frame.seq_no.get(), frame.chunk_pos.get(), frame.chunk_len.get()});
            joined.insert(joined.end(), frame.chunk_data, frame.chunk_data + frame.chunk_len.get());
        }
        EXPECT_FALSE(chunker.NextChunk(frame)); // nothing after the last chunk
        EXPECT_EQ(joined, bytes);
        return chunks;
    }
};

bool operator==(const Chunk& a, const Chunk& b) {
    return a.seq == b.seq && a.pos == b.pos && a.len == b.len;
}

std::ostream& operator<<(std::ostream& out, const Chunk& c) {
    return out << "{seq " << c.seq << ", pos " << c.pos << ", len " << c.len << "}";
}

} // namespace

TEST_F(FileChunkerTest, CutsFilesAtTheBoundaries) {
    const struct {
        std::size_t size;
        std::vector<Chunk> chunks;
    } cases[] = {
        {0, {{1, 2, 0}}},
        {1, {{1, 2, 1}}},
        {1024, {{1, 2, 1024}}},
        {1025, {{1, 1, 1024}, {2, 2, 1}}},
        {2048, {{1, 1, 1024}, {2, 2, 1024}}},
        {3000, {{1, 1, 1024}, {2, 0, 1024}, {3, 2, 952}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Cut(Write(c.size)), c.chunks) << c.size << " bytes";
}

TEST_F(FileChunkerTest, CountWrapsPastSixtyFiveThousand) {
    // 65537 chunks: the 65536th goes as 0xFFFF, the 65537th as 1 again.
    const std::size_t size = 65536u * 1024u + 10u;
    const auto chunks = Cut(Write(size));
    ASSERT_EQ(chunks.size(), 65537u);
    EXPECT_EQ(chunks[65534], (Chunk{65535, 0, 1024}));
    EXPECT_EQ(chunks[65535], (Chunk{0xFFFF, 0, 1024}));
    EXPECT_EQ(chunks[65536], (Chunk{1, 2, 10}));
}

TEST_F(FileChunkerTest, MissingFileAndFolderDoNotOpen) {
    CFileChunker chunker;
    EXPECT_FALSE(chunker.Open((m_path / "missing").string()));
    EXPECT_FALSE(chunker.Open(std::filesystem::temp_directory_path().string()));
    LinkFrame frame = EmptyFrame();
    EXPECT_FALSE(chunker.NextChunk(frame));
}

TEST_F(FileChunkerTest, TailOfTheLastChunkIsZero) {
    Write(1030);
    CFileChunker chunker;
    ASSERT_TRUE(chunker.Open(m_path.string()));
    LinkFrame frame = EmptyFrame();
    ASSERT_TRUE(chunker.NextChunk(frame));
    ASSERT_TRUE(chunker.NextChunk(frame));
    for (std::size_t i = 6; i < kChunkDataSize; ++i)
        ASSERT_EQ(frame.chunk_data[i], 0) << i;
}
