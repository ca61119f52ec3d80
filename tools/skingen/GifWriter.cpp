#include "GifWriter.h"

#include <limits>
#include <map>

namespace lumicord::skingen {
namespace {

void PutWord(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

// Packs variable-width codes least significant bit first.
class BitPacker {
public:
    void Put(int code, int width) {
        m_buffer |= static_cast<unsigned long>(code) << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_bytes.append(static_cast<char>(m_buffer & 0xFF));
            m_buffer >>= 8;
            m_bits -= 8;
        }
    }
    QByteArray Finish() {
        if (m_bits > 0)
            m_bytes.append(static_cast<char>(m_buffer & 0xFF));
        return m_bytes;
    }

private:
    unsigned long m_buffer = 0;
    int m_bits = 0;
    QByteArray m_bytes;
};

unsigned char NearestIndex(QRgb pixel, const std::vector<QColor>& palette) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int dr = qRed(pixel) - palette[i].red();
        const int dg = qGreen(pixel) - palette[i].green();
        const int db = qBlue(pixel) - palette[i].blue();
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return static_cast<unsigned char>(best);
}

} // namespace

QByteArray LzwSubBlocks(const std::vector<unsigned char>& indices, int minCodeSize) {
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    BitPacker packer;
    std::map<std::pair<int, int>, int> table;
    int width = minCodeSize + 1;
    int nextCode = endCode + 1;
    packer.Put(clearCode, width);
    int prefix = -1;
    for (unsigned char index : indices) {
        if (prefix < 0) {
            prefix = index;
            continue;
        }
        const auto found = table.find({prefix, index});
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        packer.Put(prefix, width);
        const int assigned = nextCode++;
        table[{prefix, index}] = assigned;
        if (assigned >= (1 << width))
            ++width;
        if (assigned == 4095) {
            // The table is full: start a fresh one.
            packer.Put(clearCode, width);
            table.clear();
            width = minCodeSize + 1;
            nextCode = endCode + 1;
        }
        prefix = index;
    }
    if (prefix >= 0)
        packer.Put(prefix, width);
    packer.Put(endCode, width);
    const QByteArray data = packer.Finish();
    QByteArray blocks;
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray chunk = data.mid(at, 255);
        blocks.append(static_cast<char>(chunk.size()));
        blocks.append(chunk);
    }
    blocks.append('\0');
    return blocks;
}

QByteArray EncodeGif(const std::vector<GifFrame>& frames, const std::vector<QColor>& palette) {
    if (frames.empty() || palette.empty() || palette.size() > 256)
        return {};
    const int width = frames.front().image.width();
    const int height = frames.front().image.height();
    QByteArray out("GIF89a");
    PutWord(out, width);
    PutWord(out, height);
    out.append(static_cast<char>(0xF7)); // global table of 256 entries, 8 bits per colour
    out.append('\0');                    // background colour index
    out.append('\0');                    // no aspect ratio
    for (int i = 0; i < 256; ++i) {
        const QColor c = i < static_cast<int>(palette.size()) ? palette[i] : QColor(Qt::black);
        out.append(static_cast<char>(c.red()));
        out.append(static_cast<char>(c.green()));
        out.append(static_cast<char>(c.blue()));
    }
    // Loop for ever.
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
    PutWord(out, 0);
    out.append('\0');
    for (const GifFrame& frame : frames) {
        out.append("\x21\xF9\x04", 3);
        out.append(static_cast<char>((frame.disposal & 7) << 2));
        PutWord(out, frame.delay);
        out.append('\0'); // transparent index (unused)
        out.append('\0');
        out.append('\x2C');
        PutWord(out, 0);
        PutWord(out, 0);
        PutWord(out, width);
        PutWord(out, height);
        out.append('\0'); // no local table, not interlaced
        std::vector<unsigned char> indices;
        indices.reserve(static_cast<std::size_t>(width * height));
        const QImage image = frame.image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                indices.push_back(NearestIndex(image.pixel(x, y), palette));
        }
        out.append('\x08');
        out.append(LzwSubBlocks(indices, 8));
    }
    out.append('\x3B');
    return out;
}

} // namespace lumicord::skingen
