// The BIFF8 record stream ("Workbook" stream) of a workbook of string cells: globals with the
// fonts, cell formats, shared string table and sheet directory, then one substream per sheet.
#pragma once

#include <cstdint>
#include <vector>

#include "content/XlsBook.h"

namespace lumicord {

std::vector<std::uint8_t> BuildBiff8Stream(const XlsBook& book);

} // namespace lumicord
