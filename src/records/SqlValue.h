// One value as the database engine holds it: NULL, integer, real, text or blob.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace lumicord {

using SqlBlob = std::vector<std::uint8_t>;
using SqlValue = std::variant<std::monostate, std::int64_t, double, std::u16string, SqlBlob>;
using SqlParameters = std::vector<SqlValue>;

} // namespace lumicord
