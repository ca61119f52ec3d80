// The block structure of a GIF file, found without decoding any pixels: the logical screen,
// where the header and global colour table end, and for each frame the bytes that make it up
// (graphic control extension, image descriptor, local colour table, image data) with its
// rectangle, delay and disposal. Every offset lies inside the data it was walked from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lumicord {

struct GifFrameBlock {
    std::size_t begin = 0; // its graphic control extension, else its image descriptor
    std::size_t end = 0;   // one past the terminator of its image data
    std::uint16_t left = 0;
    std::uint16_t top = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    int delay = -1;   // hundredths of a second; −1 without a graphic control extension
    int disposal = 0; // 0..7
};

struct GifLayout {
    std::uint16_t width = 0; // logical screen
    std::uint16_t height = 0;
    std::size_t headerEnd = 0; // header, screen descriptor and global colour table
    std::vector<GifFrameBlock> frames;
    bool truncated = false; // the data ended inside a block; later frames are lost
    bool limited = false;   // the walk stopped at the frame limit
};

bool HasGifSignature(std::span<const std::uint8_t> data);

// Walks the blocks after the header. Nothing when the data is not a GIF or its header and
// global colour table do not fit. Stops at the trailer, at a byte that starts no block, where
// the data ends, or after `maxFrames` frames.
std::optional<GifLayout> WalkGifBlocks(std::span<const std::uint8_t> data, std::size_t maxFrames);

// A GIF of one frame: the file's header and global colour table, the frame's blocks and a
// trailer. Empty when the frame does not lie inside the data.
std::vector<std::uint8_t> BuildOneFrameGif(std::span<const std::uint8_t> data,
                                           const GifLayout& layout, const GifFrameBlock& frame);

} // namespace lumicord
