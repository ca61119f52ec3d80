// The workbook layer: an Excel 97-2003 (.xls) workbook held in memory as sheets of text cells.
// Loading reads any workbook through libfreexl (numbers and dates come back as their text);
// saving writes BIFF8 string cells in an OLE2 compound file of our own.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumicord {

constexpr std::uint32_t kXlsMaxRows = 65536;
constexpr std::uint32_t kXlsMaxColumns = 256;
constexpr std::size_t kXlsMaxCellLength = 32767; // UTF-16 code units

class XlsSheet {
public:
    explicit XlsSheet(std::u16string_view name) : m_name(name) {}

    const std::u16string& Name() const { return m_name; }
    // The text of a cell, or none for an empty cell or one outside the sheet.
    std::optional<std::u16string> ReadStr(std::uint32_t row, std::uint32_t column) const;
    // Writes a string cell, cut to kXlsMaxCellLength; false outside the sheet's bounds.
    bool WriteStr(std::uint32_t row, std::uint32_t column, std::u16string_view text);

    using CellMap = std::map<std::pair<std::uint32_t, std::uint32_t>, std::u16string>;
    const CellMap& Cells() const { return m_cells; }

private:
    std::u16string m_name;
    CellMap m_cells; // (row, column) -> text; no empty texts
};

class XlsBook {
public:
    // A new workbook without sheets.
    XlsBook() = default;

    // Replaces the contents with the workbook in `path`; false (contents unchanged) when the
    // file is not a readable .xls workbook.
    bool Load(const std::string& path);
    // Writes the workbook to `path` (replacing it); a workbook without sheets gets one empty
    // sheet "Sheet1". False when the file cannot be written.
    bool Save(const std::string& path) const;
    // The workbook's bytes as Save writes them; empty when the container cannot be built.
    std::vector<std::uint8_t> SaveToBytes() const;

    XlsSheet* GetSheet(std::size_t index);
    const XlsSheet* GetSheet(std::size_t index) const;
    std::size_t SheetCount() const { return m_sheets.size(); }
    XlsSheet& AddSheet(std::u16string_view name);

private:
    std::deque<XlsSheet> m_sheets; // references stay valid as sheets are added
};

} // namespace lumicord
