#include "content/Biff8Stream.h"

#include <algorithm>
#include <string>
#include <unordered_map>

namespace lumicord {
namespace {

constexpr std::uint16_t kBof = 0x0809, kEof = 0x000A, kCodepage = 0x0042, kWindow1 = 0x003D,
                        kFont = 0x0031, kXf = 0x00E0, kStyle = 0x0293, kBoundSheet = 0x0085,
                        kSst = 0x00FC, kContinue = 0x003C, kDimensions = 0x0200, kWindow2 = 0x023E,
                        kLabelSst = 0x00FD;
constexpr std::size_t kMaxRecordData = 8224;
constexpr std::uint16_t kCellXf = 15; // the first cell format after the 15 style formats

class ByteWriter {
public:
    std::vector<std::uint8_t> bytes;
    void U8(std::uint32_t v) { bytes.push_back(static_cast<std::uint8_t>(v)); }
    void U16(std::uint32_t v) {
        U8(v);
        U8(v >> 8);
    }
    void U32(std::uint32_t v) {
        U16(v);
        U16(v >> 16);
    }
    void Chars(std::u16string_view text) {
        for (const char16_t c : text)
            U16(c);
    }
};

void Record(ByteWriter& out, std::uint16_t type, const std::vector<std::uint8_t>& data) {
    out.U16(type);
    out.U16(static_cast<std::uint32_t>(data.size()));
    out.bytes.insert(out.bytes.end(), data.begin(), data.end());
}

void Bof(ByteWriter& out, std::uint16_t kind) {
    ByteWriter d;
    d.U16(0x0600); // BIFF8
    d.U16(kind);   // 0x0005 workbook globals, 0x0010 worksheet
    d.U16(0x0DBB); // build
    d.U16(0x07CC); // year
    d.U32(0x00000041);
    d.U32(0x00000006);
    Record(out, kBof, d.bytes);
}

void Fonts(ByteWriter& out) {
    // Five fonts: readers skip font index 4, so the table always holds at least five.
    for (int i = 0; i < 5; ++i) {
        ByteWriter d;
        d.U16(200);    // 10 points
        d.U16(0);      // attributes
        d.U16(0x7FFF); // automatic colour
        d.U16(400);    // normal weight
        d.U16(0);
        d.U8(0);
        d.U8(0);
        d.U8(0);
        d.U8(0);
        const std::u16string name = u"Arial";
        d.U8(static_cast<std::uint32_t>(name.size()));
        d.U8(1); // UTF-16
        d.Chars(name);
        Record(out, kFont, d.bytes);
    }
}

void Xf(ByteWriter& out, bool style) {
    ByteWriter d;
    d.U16(0); // font
    d.U16(0); // number format "General"
    d.U16(style ? 0xFFF5 : 0x0001);
    d.U8(0x20); // bottom alignment
    d.U8(0);
    d.U8(0);
    d.U8(style ? 0xF4 : 0x00);
    d.U32(0);
    d.U32(0);
    d.U16(0x20C0);
    Record(out, kXf, d.bytes);
}

// The shared string table, split into CONTINUE records at 8224 bytes. A string's header never
// splits; a string longer than a record splits on a character boundary and its continuation
// starts with the option byte again.
void SharedStrings(ByteWriter& out, const std::vector<std::u16string>& strings,
                   std::uint32_t total) {
    std::vector<std::vector<std::uint8_t>> records(1);
    auto room = [&] {
        return kMaxRecordData - records.back().size();
    };
    auto put16 = [&](std::uint32_t v) {
        records.back().push_back(static_cast<std::uint8_t>(v));
        records.back().push_back(static_cast<std::uint8_t>(v >> 8));
    };
    put16(total);
    put16(total >> 16);
    put16(static_cast<std::uint32_t>(strings.size()));
    put16(static_cast<std::uint32_t>(strings.size()) >> 16);
    for (const std::u16string& text : strings) {
        // A string that fits a record of its own is never split; only longer ones are.
        const std::size_t whole = 3 + 2 * text.size();
        if (room() < 5 || (whole > room() && whole <= kMaxRecordData))
            records.emplace_back();
        put16(static_cast<std::uint32_t>(text.size()));
        records.back().push_back(1); // UTF-16, no rich text, no phonetic block
        std::size_t at = 0;
        while (at < text.size()) {
            if (room() < 2) {
                records.emplace_back();
                records.back().push_back(1);
            }
            const std::size_t fits = std::min(text.size() - at, room() / 2);
            for (std::size_t i = 0; i < fits; ++i)
                put16(text[at + i]);
            at += fits;
        }
    }
    for (std::size_t i = 0; i < records.size(); ++i)
        Record(out, i == 0 ? kSst : kContinue, records[i]);
}

} // namespace

std::vector<std::uint8_t> BuildBiff8Stream(const XlsBook& book) {
    XlsBook defaulted;
    const XlsBook* source = &book;
    if (book.SheetCount() == 0) {
        defaulted.AddSheet(u"Sheet1");
        source = &defaulted;
    }

    std::vector<std::u16string> strings;
    std::unordered_map<std::u16string, std::uint32_t> index;
    std::uint32_t total = 0;
    for (std::size_t s = 0; s < source->SheetCount(); ++s)
        for (const auto& [at, text] : source->GetSheet(s)->Cells()) {
            ++total;
            if (index.emplace(text, static_cast<std::uint32_t>(strings.size())).second)
                strings.push_back(text);
        }

    ByteWriter globals;
    Bof(globals, 0x0005);
    {
        ByteWriter d;
        d.U16(1200); // UTF-16
        Record(globals, kCodepage, d.bytes);
    }
    {
        ByteWriter d;
        for (const std::uint32_t v : {0u, 0u, 0x3A5Cu, 0x23BEu, 0x38u, 0u, 0u, 1u, 600u})
            d.U16(v);
        Record(globals, kWindow1, d.bytes);
    }
    Fonts(globals);
    for (int i = 0; i < 15; ++i)
        Xf(globals, true);
    Xf(globals, false);
    {
        ByteWriter d;
        d.U16(0x8000); // built-in style on format 0
        d.U8(0);       // "Normal"
        d.U8(0xFF);
        Record(globals, kStyle, d.bytes);
    }
    // The sheet directory holds each sheet's stream offset: remember where to patch it.
    std::vector<std::size_t> offsetAt;
    for (std::size_t s = 0; s < source->SheetCount(); ++s) {
        std::u16string name = source->GetSheet(s)->Name().substr(0, 31);
        if (name.empty())
            name = u"Sheet" + std::u16string(1, static_cast<char16_t>(u'1' + s % 9));
        ByteWriter d;
        d.U32(0);
        d.U8(0); // visible
        d.U8(0); // worksheet
        d.U8(static_cast<std::uint32_t>(name.size()));
        d.U8(1);
        d.Chars(name);
        offsetAt.push_back(globals.bytes.size() + 4);
        Record(globals, kBoundSheet, d.bytes);
    }
    SharedStrings(globals, strings, total);
    Record(globals, kEof, {});

    for (std::size_t s = 0; s < source->SheetCount(); ++s) {
        const XlsSheet& sheet = *source->GetSheet(s);
        const std::uint32_t offset = static_cast<std::uint32_t>(globals.bytes.size());
        for (int i = 0; i < 4; ++i)
            globals.bytes[offsetAt[s] + i] = static_cast<std::uint8_t>(offset >> (8 * i));
        Bof(globals, 0x0010);
        std::uint32_t lastRow = 0, firstColumn = 0xFFFF, lastColumn = 0;
        for (const auto& [at, text] : sheet.Cells()) {
            lastRow = std::max(lastRow, at.first + 1);
            firstColumn = std::min(firstColumn, at.second);
            lastColumn = std::max(lastColumn, at.second + 1);
        }
        {
            ByteWriter d;
            d.U32(0);
            d.U32(lastRow);
            d.U16(sheet.Cells().empty() ? 0 : firstColumn);
            d.U16(lastColumn);
            d.U16(0);
            Record(globals, kDimensions, d.bytes);
        }
        for (const auto& [at, text] : sheet.Cells()) {
            ByteWriter d;
            d.U16(at.first);
            d.U16(at.second);
            d.U16(kCellXf);
            d.U32(index.at(text));
            Record(globals, kLabelSst, d.bytes);
        }
        {
            ByteWriter d;
            d.U16(s == 0 ? 0x06B6 : 0x02B6); // gridlines, headers, zeros; first sheet selected
            d.U16(0);
            d.U16(0);
            d.U16(64); // gridline colour: automatic
            d.U16(0);
            d.U16(0);
            d.U16(0);
            d.U32(0);
            Record(globals, kWindow2, d.bytes);
        }
        Record(globals, kEof, {});
    }
    return std::move(globals.bytes);
}

} // namespace lumicord
