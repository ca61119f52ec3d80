// The Jet forms of SQL that the result store writes, rewritten for SQLite: a `Counter` column
// becomes an auto-increment key and "delete * from" becomes "delete from".
#pragma once

#include <string>
#include <string_view>

namespace lumicord {

std::string TranslateJetSql(std::string_view sql);

} // namespace lumicord
