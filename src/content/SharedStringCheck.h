// A check of a workbook's shared string table made before libfreexl reads it: libfreexl
// misreads a string that runs on through more than one CONTINUE record (it keeps the first
// part and takes the rest for the following strings), so such workbooks are refused.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumicord {

// True when no string of the SST in this BIFF8 record stream spans more than two records.
bool SharedStringsReadable(const std::vector<std::uint8_t>& stream);

// The "Workbook" (or "Book") stream of the compound file at `path`; false when there is none.
bool ReadWorkbookStream(const std::string& path, std::vector<std::uint8_t>& stream);

} // namespace lumicord
