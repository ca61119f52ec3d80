// What the wrappers learn from a column's declared type: the width of a fixed-width text
// column, and whether the column holds a yes/no value, a single-precision real or a date.
#pragma once

#include <cstddef>

namespace lumicord {

struct ColumnType {
    std::size_t fixedWidth = 0; // char(N): N; 0 for every other type
    bool boolean = false;
    bool single = false;
    bool date = false;
};

// Reads a declared type such as "char(33)", "bit" or "real"; null or unknown gives the default.
ColumnType ParseDeclaredType(const char* declared);

} // namespace lumicord
