// Fuzz target: any bytes as a GIF whose blocks the picture control walks and cuts into
// one-frame GIFs. Each frame cut out must walk again as exactly that one frame.
#include <cstddef>
#include <cstdint>
#include <span>

#include "ui/toolkit/GifBlockWalk.h"

using namespace lumicord;

namespace {

constexpr std::size_t kMaxFrames = 10000;

bool SameFrame(const GifFrameBlock& a, const GifFrameBlock& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height &&
           a.delay == b.delay && a.disposal == b.disposal;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const auto layout = WalkGifBlocks(bytes, kMaxFrames);
    if (!layout)
        return 0;
    if (layout->headerEnd > size || layout->frames.size() > kMaxFrames)
        __builtin_trap();
    std::size_t previousEnd = layout->headerEnd;
    for (const GifFrameBlock& frame : layout->frames) {
        if (frame.begin < previousEnd || frame.begin >= frame.end || frame.end > size)
            __builtin_trap();
        previousEnd = frame.end;
        const std::vector<std::uint8_t> one = BuildOneFrameGif(bytes, *layout, frame);
        if (one.size() != layout->headerEnd + (frame.end - frame.begin) + 1)
            __builtin_trap();
        const auto again = WalkGifBlocks(one, kMaxFrames);
        if (!again || again->frames.size() != 1 || again->truncated ||
            !SameFrame(again->frames[0], frame))
            __builtin_trap();
    }
    return 0;
}
