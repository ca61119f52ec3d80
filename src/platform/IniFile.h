// Private-profile (INI) files read with the Windows rules: section and key names match without
// regard to case, white space around names and values is dropped, one pair of matching quotes
// (single or double) around a value is removed, a file with a UTF-16 byte-order mark is read as
// UTF-16 and any other file as UTF-8, and whatever is missing gives the caller's default, cut to
// the caller's length limit. Lines end at CR or LF; lines starting with ';' are comments, and
// lines without '=' or with an empty name hold no value. A file is parsed once into an
// immutable table, so lookups are const and safe from any number of threads.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace lumicord {

class CIniFile {
public:
    // Files larger than this are read only up to it.
    static constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;

    // A missing or unreadable file (or anything but a regular file) gives an empty table.
    static CIniFile Load(const std::string& path);
    static CIniFile Parse(std::string_view bytes);

    bool Empty() const { return m_sections.empty(); }

    // The value of `key` in `section`, or null when either is absent. Only the first section of
    // a name and the first key of a name within it count, as with Windows.
    const std::u16string* Find(std::u16string_view section, std::u16string_view key) const;

    // The value, or `defaultValue` without its trailing blanks when absent; either one cut to
    // `limit` characters (what a buffer of limit + 1 characters receives on Windows).
    std::u16string GetString(std::u16string_view section, std::u16string_view key,
                             std::u16string_view defaultValue, std::size_t limit) const;

private:
    using Entries = std::unordered_map<std::u16string, std::u16string>; // by folded key
    std::unordered_map<std::u16string, Entries> m_sections;             // by folded name
};

// The file's text as UTF-16: BOM FF FE (or FE FF) means UTF-16, anything else UTF-8 (a UTF-8
// BOM is skipped). A trailing odd byte of a UTF-16 file is dropped.
std::u16string DecodeProfileText(std::string_view bytes);

// One value read straight from a file (parsed afresh on each call).
std::u16string ReadProfileString(const std::string& path, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view defaultValue,
                                 std::size_t limit);

} // namespace lumicord
