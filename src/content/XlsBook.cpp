#include "content/XlsBook.h"

namespace lumicord {

std::optional<std::u16string> XlsSheet::ReadStr(std::uint32_t row, std::uint32_t column) const {
    const auto found = m_cells.find({row, column});
    if (found == m_cells.end())
        return std::nullopt;
    return found->second;
}

bool XlsSheet::WriteStr(std::uint32_t row, std::uint32_t column, std::u16string_view text) {
    if (row >= kXlsMaxRows || column >= kXlsMaxColumns)
        return false;
    if (text.size() > kXlsMaxCellLength) {
        text = text.substr(0, kXlsMaxCellLength);
        // Keep a surrogate pair whole or drop it.
        if (text.back() >= 0xD800 && text.back() <= 0xDBFF)
            text.remove_suffix(1);
    }
    if (text.empty())
        m_cells.erase({row, column});
    else
        m_cells[{row, column}] = std::u16string(text);
    return true;
}

XlsSheet* XlsBook::GetSheet(std::size_t index) {
    return index < m_sheets.size() ? &m_sheets[index] : nullptr;
}

const XlsSheet* XlsBook::GetSheet(std::size_t index) const {
    return index < m_sheets.size() ? &m_sheets[index] : nullptr;
}

XlsSheet& XlsBook::AddSheet(std::u16string_view name) {
    return m_sheets.emplace_back(name);
}

} // namespace lumicord
