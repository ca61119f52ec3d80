// Our workbooks against independent software: Perl's Spreadsheet::ParseExcel reads what we
// write, we read what Spreadsheet::WriteExcel writes, and LibreOffice converts our sheet to
// .xls and to CSV and back with the same cells.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

#include "ContentFiles.h"
#include "ShellRun.h"
#include "TempFolder.h"
#include "content/XlsBook.h"
#include "platform/TextConversion.h"

using namespace lumicord;

namespace {

using Cells = XlsSheet::CellMap;

bool HasPerlModule(const char* module) {
    return RunShell(std::string("perl -M") + module + " -e 1").status == 0;
}

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

// The cells of a device sheet with the characters that trip converters up.
Cells SampleCells() {
    const std::u16string rows[][5] = {
        {u"mac(*This column cannot be modified*)", u"vid1", u"pppUser1", u"ssid_2.4g", u"loid"},
        {u"02:00:00:00:00:01", u"100", u"user \"a\", b", u"Caf\u00E9 \u4E2D\u6587", u"L-1"},
        {u"02:00:00:00:00:02", u"4094", u"x;y", u"Lab 5G \U0001F600", u"<&>"},
    };
    Cells cells;
    for (std::uint32_t r = 0; r < 3; ++r)
        for (std::uint32_t c = 0; c < 5; ++c)
            cells[{r, c}] = rows[r][c];
    return cells;
}

std::string WriteSample(const TempFolder& folder, const std::string& name) {
    XlsBook book;
    XlsSheet& sheet = book.AddSheet(u"Sheet1");
    for (const auto& [at, text] : SampleCells())
        sheet.WriteStr(at.first, at.second, text);
    const std::string path = folder.Path() + name;
    EXPECT_TRUE(book.Save(path));
    return path;
}

Cells LoadCells(const std::string& path) {
    XlsBook book;
    EXPECT_TRUE(book.Load(path)) << path;
    return book.SheetCount() > 0 ? book.GetSheet(0)->Cells() : Cells{};
}

std::string FromHex(const std::string& hex) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return out;
}

// LibreOffice headless with a profile and HOME of its own.
ShellRun Office(const TempFolder& folder, const std::string& arguments) {
    const std::string home = folder.Path() + "home";
    std::filesystem::create_directories(home);
    return RunShell("HOME=" + home + " soffice -env:UserInstallation=file://" + home +
                    "/profile --headless --norestore --nolockcheck " + arguments);
}

} // namespace

TEST(ExternalRoundTrip, ParseExcelReadsOurSheet) {
    if (!HasPerlModule("Spreadsheet::ParseExcel"))
        GTEST_SKIP() << "libspreadsheet-parseexcel-perl is not installed (scripts/install-deps.sh)";
    TempFolder folder;
    const std::string path = WriteSample(folder, "ours.xls");
    const ShellRun run = RunShell("perl " + ContentData("../xls-cells.pl") + " " + path);
    ASSERT_EQ(run.status, 0) << run.output;
    Cells read;
    std::istringstream lines(run.output);
    for (std::uint32_t row = 0, column = 0; lines >> row >> column;) {
        std::string hex;
        lines >> hex;
        read[{row, column}] = Utf8ToUtf16(FromHex(hex));
    }
    EXPECT_EQ(read, SampleCells());
}

TEST(ExternalRoundTrip, WeReadWriteExcelStringsAndNumbers) {
    if (!HasPerlModule("Spreadsheet::WriteExcel"))
        GTEST_SKIP() << "libspreadsheet-writeexcel-perl is not installed (scripts/install-deps.sh)";
    TempFolder folder;
    const std::string path = folder.Path() + "theirs.xls";
    const ShellRun run = RunShell("perl " + ContentData("../write-xls.pl") + " " + path);
    ASSERT_EQ(run.status, 0) << run.output;
    XlsBook book;
    ASSERT_TRUE(book.Load(path));
    ASSERT_EQ(book.SheetCount(), 2u);
    EXPECT_EQ(book.GetSheet(0)->Name(), u"Devices");
    const Cells expected = {
        {{0, 0}, u"mac(*This column cannot be modified*)"},
        {{0, 1}, u"vid1"},
        {{0, 2}, u"ssid_2.4g"},
        {{1, 0}, u"02:00:00:00:00:01"},
        {{1, 1}, u"100"},
        {{1, 2}, u"Caf\u00E9 \u4E2D\u6587"},
        {{2, 0}, u"02:00:00:00:00:02"},
        {{2, 1}, u"4094"},
        {{2, 2}, u"3.25"},
        {{3, 1}, u"-7"},
        {{3, 2}, u"12345678901"},
    };
    EXPECT_EQ(book.GetSheet(0)->Cells(), expected);
    EXPECT_EQ(book.GetSheet(1)->ReadStr(0, 0), u"second sheet");
}

TEST(ExternalRoundTrip, LibreOfficeConvertsOurSheetAndBack) {
    if (RunShell("command -v soffice").status != 0)
        GTEST_SKIP() << "libreoffice-calc-nogui is not installed (scripts/install-deps.sh)";
    TempFolder folder;
    const std::string ours = WriteSample(folder, "ours.xls");
    // .xls to .xls: LibreOffice reads our records and writes its own.
    ShellRun run = Office(folder, "--convert-to xls --outdir " + folder.Path() + "xls " + ours);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(LoadCells(folder.Path() + "xls/ours.xls"), SampleCells());

    // To CSV (UTF-8) and back to .xls, every column imported as text.
    run = Office(folder, "--convert-to " + Quoted("csv:Text - txt - csv (StarCalc):44,34,76") +
                             " --outdir " + folder.Path() + "csv " + ours);
    ASSERT_EQ(run.status, 0) << run.output;
    const std::string csv = ReadBytes(folder.Path() + "csv/ours.csv");
    EXPECT_NE(csv.find("\"user \"\"a\"\", b\""), std::string::npos) << csv;
    std::string textColumns;
    for (int c = 1; c <= 5; ++c)
        textColumns += (c > 1 ? "/" : "") + std::to_string(c) + "/2";
    run = Office(folder, Quoted("--infilter=CSV:44,34,76,1," + textColumns) +
                             " --convert-to xls --outdir " + folder.Path() + "back " +
                             folder.Path() + "csv/ours.csv");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(LoadCells(folder.Path() + "back/ours.xls"), SampleCells());
}
