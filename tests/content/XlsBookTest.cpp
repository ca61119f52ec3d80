#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ContentFiles.h"
#include "TempFolder.h"
#include "content/XlsBook.h"

using namespace lumicord;

namespace {

std::string Bytes(const XlsBook& book) {
    const std::vector<std::uint8_t> bytes = book.SaveToBytes();
    return std::string(bytes.begin(), bytes.end());
}

std::uint32_t U32At(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

void PutU32(std::string& bytes, std::size_t at, std::uint32_t value) {
    std::memcpy(bytes.data() + at, &value, 4);
}

// Offset of sector `sector` of a container with 512-byte sectors.
std::size_t SectorAt(std::uint32_t sector) {
    return 512 + static_cast<std::size_t>(sector) * 512;
}

} // namespace

TEST(XlsBook, CellsRoundTrip) {
    // The longest cell the reader takes: its string continues into one CONTINUE record.
    std::u16string longest(8000, u'x');
    longest[0] = u'\u4E2D';
    const struct {
        std::uint32_t row, column;
        std::u16string text;
    } cells[] = {
        {0, 0, u"mac(*This column cannot be modified*)"},
        {0, 1, u"\u4E2D\u6587 \u00E9 \U0001F600"},
        {1, 0, u"02:00:00:00:00:01"},
        {1, 1, u"100"},
        {2, 2, longest},
        {3, 3, u"same"},
        {4, 4, u"same"},
        {kXlsMaxRows - 1, kXlsMaxColumns - 1, u"corner"},
    };
    XlsBook book;
    XlsSheet& first = book.AddSheet(u"Devices");
    for (const auto& cell : cells)
        ASSERT_TRUE(first.WriteStr(cell.row, cell.column, cell.text));
    EXPECT_FALSE(first.WriteStr(kXlsMaxRows, 0, u"x"));
    EXPECT_FALSE(first.WriteStr(0, kXlsMaxColumns, u"x"));
    // Enough distinct strings to need several continuation records.
    for (std::uint32_t r = 10; r < 3000; ++r)
        first.WriteStr(r, 7, u"value " + std::u16string(r % 50, u'v'));
    book.AddSheet(u"Second").WriteStr(0, 0, u"on the second sheet");

    TempFolder folder;
    const std::string path = folder.Path() + "book.xls";
    ASSERT_TRUE(book.Save(path));
    XlsBook loaded;
    ASSERT_TRUE(loaded.Load(path));
    ASSERT_EQ(loaded.SheetCount(), 2u);
    EXPECT_EQ(loaded.GetSheet(0)->Name(), u"Devices");
    EXPECT_EQ(loaded.GetSheet(0)->Cells(), first.Cells());
    EXPECT_EQ(loaded.GetSheet(1)->ReadStr(0, 0), u"on the second sheet");
    EXPECT_FALSE(loaded.GetSheet(0)->ReadStr(9, 9).has_value());
    EXPECT_EQ(loaded.GetSheet(2), nullptr);
}

TEST(XlsBook, EmptyBookSavesOneEmptySheet) {
    TempFolder folder;
    XlsBook book;
    ASSERT_TRUE(book.Save(folder.Path() + "empty.xls"));
    XlsBook loaded;
    ASSERT_TRUE(loaded.Load(folder.Path() + "empty.xls"));
    ASSERT_EQ(loaded.SheetCount(), 1u);
    EXPECT_EQ(loaded.GetSheet(0)->Name(), u"Sheet1");
    EXPECT_TRUE(loaded.GetSheet(0)->Cells().empty());
    EXPECT_FALSE(book.Save(folder.Path() + "no/such/dir.xls"));
}

// A cell of 32 767 characters spans several records of the shared string table; the writer
// writes it (other readers take it whole) and the reader refuses the file rather than take
// the rest of the string for the following cells.
TEST(XlsBook, LongestCellIsCutToTheLimitAndRefusedOnReading) {
    XlsBook book;
    XlsSheet& sheet = book.AddSheet(u"S");
    std::u16string text(kXlsMaxCellLength - 1, u'x');
    text += u"\U0001F600"; // a pair across the limit is dropped whole
    ASSERT_TRUE(sheet.WriteStr(0, 0, text));
    EXPECT_EQ(sheet.ReadStr(0, 0)->size(), kXlsMaxCellLength - 1);
    sheet.WriteStr(0, 0, std::u16string(kXlsMaxCellLength + 5, u'y'));
    EXPECT_EQ(sheet.ReadStr(0, 0)->size(), kXlsMaxCellLength);
    sheet.WriteStr(1, 0, u"after");
    TempFolder folder;
    ASSERT_TRUE(book.Save(folder.Path() + "long.xls"));
    XlsBook loaded;
    EXPECT_FALSE(loaded.Load(folder.Path() + "long.xls"));
}

// Hostile files fail to load and leave the book as it was.
TEST(XlsBook, BrokenFilesFailCleanly) {
    XlsBook good;
    good.AddSheet(u"S").WriteStr(0, 0, u"kept");
    for (std::uint32_t r = 1; r < 400; ++r)
        good.GetSheet(0)->WriteStr(r, 1, u"filler text " + std::u16string(r % 30, u'f'));
    const std::string valid = Bytes(good);
    ASSERT_GT(valid.size(), 8192u);

    std::vector<std::pair<std::string, std::string>> files = {
        {"empty", ""},
        {"text", "mac,ssid\n02:00:00:00:00:01,lab\n"},
        {"header only", valid.substr(0, 512)},
        {"half", valid.substr(0, valid.size() / 2)},
        {"all but one byte", valid.substr(0, valid.size() - 1)},
    };
    // A loop in the FAT chain: the workbook stream's first sector names itself as the next.
    {
        std::string looped = valid;
        const std::uint32_t fatSector = U32At(valid, 0x4C);
        const std::uint32_t directory = U32At(valid, 0x30);
        const std::uint32_t start = U32At(valid, SectorAt(directory) + 128 + 0x74);
        PutU32(looped, SectorAt(fatSector) + 4 * start, start);
        files.emplace_back("FAT loop", looped);
        std::string huge = valid; // a stream size far beyond the file
        PutU32(huge, SectorAt(directory) + 128 + 0x78, 0x7FFFFFF0);
        files.emplace_back("stream size", huge);
    }
    TempFolder folder;
    for (const auto& [what, bytes] : files) {
        XlsBook book;
        book.AddSheet(u"before");
        EXPECT_FALSE(book.Load(folder.Write("bad.xls", bytes))) << what;
        ASSERT_EQ(book.SheetCount(), 1u) << what;
        EXPECT_EQ(book.GetSheet(0)->Name(), u"before") << what;
    }
    // A one-sector directory that names itself as its next sector ends the directory there:
    // reading stops and the content is right.
    std::string directoryLoop = valid;
    const std::uint32_t directory = U32At(valid, 0x30);
    PutU32(directoryLoop, SectorAt(U32At(valid, 0x4C)) + 4 * directory, directory);
    XlsBook book;
    if (book.Load(folder.Write("dirloop.xls", directoryLoop))) {
        EXPECT_EQ(book.GetSheet(0)->ReadStr(0, 0), u"kept");
    }
    EXPECT_FALSE(book.Load(folder.Path() + "missing.xls"));
    EXPECT_TRUE(book.Load(folder.Write("good.xls", valid)));
}
