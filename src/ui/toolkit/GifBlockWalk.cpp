#include "ui/toolkit/GifBlockWalk.h"

namespace lumicord {
namespace {

constexpr std::uint8_t kExtension = 0x21;
constexpr std::uint8_t kImageDescriptor = 0x2C;
constexpr std::uint8_t kTrailer = 0x3B;
constexpr std::uint8_t kGraphicControl = 0xF9;
constexpr std::size_t kScreenDescriptorEnd = 13;
constexpr std::size_t kImageDescriptorSize = 10;

std::uint16_t Word(std::span<const std::uint8_t> data, std::size_t at) {
    return static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
}

std::size_t ColourTableSize(std::uint8_t packed) {
    return (packed & 0x80) ? 3u * (2u << (packed & 7)) : 0u;
}

// Position after the zero-length block that ends a run of sub-blocks starting at `at`, or
// nothing when the data ends first.
std::optional<std::size_t> SkipSubBlocks(std::span<const std::uint8_t> data, std::size_t at) {
    while (at < data.size()) {
        const std::size_t length = data[at];
        if (length == 0)
            return at + 1;
        if (data.size() - at - 1 < length)
            return std::nullopt;
        at += 1 + length;
    }
    return std::nullopt;
}

struct PendingControl {
    std::size_t begin;
    int delay;
    int disposal;
};

} // namespace

bool HasGifSignature(std::span<const std::uint8_t> data) {
    return data.size() >= 3 && data[0] == 'G' && data[1] == 'I' && data[2] == 'F';
}

std::optional<GifLayout> WalkGifBlocks(std::span<const std::uint8_t> data, std::size_t maxFrames) {
    if (!HasGifSignature(data) || data.size() < kScreenDescriptorEnd)
        return std::nullopt;
    GifLayout layout;
    layout.width = Word(data, 6);
    layout.height = Word(data, 8);
    layout.headerEnd = kScreenDescriptorEnd + ColourTableSize(data[10]);
    if (layout.headerEnd > data.size())
        return std::nullopt;

    std::optional<PendingControl> control;
    std::size_t at = layout.headerEnd;
    while (at < data.size()) {
        const std::uint8_t introducer = data[at];
        if (introducer == kTrailer)
            break;
        if (introducer == kExtension) {
            if (data.size() - at < 2) {
                layout.truncated = true;
                break;
            }
            const std::size_t body = at + 2;
            if (data[at + 1] == kGraphicControl && body < data.size() && data[body] >= 4 &&
                data.size() - body >= 5) {
                control = PendingControl{at, Word(data, body + 2), (data[body + 1] >> 2) & 7};
            }
            const auto next = SkipSubBlocks(data, body);
            if (!next) {
                layout.truncated = true;
                break;
            }
            at = *next;
            continue;
        }
        if (introducer != kImageDescriptor)
            break; // not a block: the rest cannot be read as GIF
        if (data.size() - at < kImageDescriptorSize + 1) {
            layout.truncated = true;
            break;
        }
        GifFrameBlock frame;
        frame.begin = control ? control->begin : at;
        frame.left = Word(data, at + 1);
        frame.top = Word(data, at + 3);
        frame.width = Word(data, at + 5);
        frame.height = Word(data, at + 7);
        if (control) {
            frame.delay = control->delay;
            frame.disposal = control->disposal;
        }
        control.reset();
        const std::size_t table = ColourTableSize(data[at + 9]);
        const std::size_t codeSize = at + kImageDescriptorSize + table; // LZW minimum code size
        if (codeSize >= data.size()) {
            layout.truncated = true;
            break;
        }
        const auto next = SkipSubBlocks(data, codeSize + 1);
        if (!next) {
            layout.truncated = true;
            break;
        }
        frame.end = *next;
        at = *next;
        layout.frames.push_back(frame);
        if (layout.frames.size() >= maxFrames) {
            layout.limited = true;
            break;
        }
    }
    return layout;
}

std::vector<std::uint8_t> BuildOneFrameGif(std::span<const std::uint8_t> data,
                                           const GifLayout& layout, const GifFrameBlock& frame) {
    if (layout.headerEnd > data.size() || frame.begin > frame.end || frame.end > data.size() ||
        frame.begin < layout.headerEnd)
        return {};
    std::vector<std::uint8_t> gif;
    gif.reserve(layout.headerEnd + (frame.end - frame.begin) + 1);
    gif.insert(gif.end(), data.begin(), data.begin() + std::ptrdiff_t(layout.headerEnd));
    gif.insert(gif.end(), data.begin() + std::ptrdiff_t(frame.begin),
               data.begin() + std::ptrdiff_t(frame.end));
    gif.push_back(kTrailer);
    return gif;
}

} // namespace lumicord
