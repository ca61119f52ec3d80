// The anti-theft template file: named sections of key=value lines, kept sorted by byte order
// of section and key names and written with CR LF line ends. The file is the user's to edit,
// so what the program does not read (comments, blank lines, other lines, anything above the
// first section) is kept and written back: the lines directly above a section header or a
// key (up to a blank line or a key=value line above the first section) travel with it when
// the order changes, and the other lines of a section stay below its
// keys. A file that is too large, is not UTF-8 text
// or names a section twice does not load, and says why in ErrorText.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace lumicord {

class CTemplateIni {
public:
    // Templates are a few lines each; a larger file is not one of ours.
    static constexpr std::size_t kMaxFileBytes = 1024 * 1024;

    bool LoadFile(const std::string& path);
    // False (with ErrorText) when the file cannot be written whole, or when a name or value
    // holds a line feed or NUL, which the line format cannot carry.
    bool SaveFile(const std::string& path);

    // Replaces the content by that of `text`; `source` names it in the messages.
    bool Parse(std::string_view text, const std::string& source);
    std::string Text() const;

    std::vector<std::string> SectionNames() const;
    std::string GetValue(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
    void SetValue(const std::string& section, const std::string& key, const std::string& value);
    void RemoveSection(const std::string& name);

    const std::string& ErrorText() const { return m_errorText; }

private:
    using Lines = std::vector<std::string>;
    struct Entry {
        Lines above;
        std::string value;
    };
    struct Section {
        Lines above; // the comment block directly above the header
        std::map<std::string, Entry> keys;
        Lines below; // what follows the last key, up to the next section's block
    };

    void Clear();

    std::map<std::string, Section> m_sections;
    Lines m_head; // everything above the first section's block
    std::string m_errorText;
};

} // namespace lumicord
