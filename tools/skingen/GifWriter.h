// A small GIF89a writer for looping animations: one global 256-colour table, a graphic
// control extension per frame and LZW-compressed image data.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <vector>

namespace lumicord::skingen {

struct GifFrame {
    QImage image;     // logical-screen sized; pixels are mapped to the palette
    int delay = 8;    // hundredths of a second
    int disposal = 1; // leave in place
};

// Encodes the frames with the palette (at most 256 colours; each pixel takes the nearest).
QByteArray EncodeGif(const std::vector<GifFrame>& frames, const std::vector<QColor>& palette);

// LZW code stream of `indices` with the given minimum code size, packed into sub-blocks.
QByteArray LzwSubBlocks(const std::vector<unsigned char>& indices, int minCodeSize);

} // namespace lumicord::skingen
