#include "content/CTemplateIni.h"

#include <sys/stat.h>

#include <fstream>
#include <iterator>

namespace lumicord {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Well-formed UTF-8 without NUL: what a text file of this program holds.
bool IsUtf8Text(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == 0)
            return false;
        int more = 0;
        unsigned min = 0;
        unsigned code = c;
        if (c < 0x80) {
            more = 0;
        } else if ((c & 0xE0) == 0xC0) {
            more = 1, min = 0x80, code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            more = 2, min = 0x800, code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            more = 3, min = 0x10000, code = c & 0x07;
        } else {
            return false;
        }
        if (text.size() - i - 1 < static_cast<std::size_t>(more))
            return false;
        for (int k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += 1 + more;
    }
    return true;
}

// A lone CR reads back as it was written; a LF would end the line and a NUL the text.
bool CarriesLine(std::string_view text) {
    return text.find_first_of(std::string_view("\n\0", 2)) == std::string_view::npos;
}

void AppendLines(std::string& out, const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        out.append(line).append(kLineEnd);
}

bool IsHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// The key of a trimmed line inside a section; empty for comments and lines holding no value.
std::string_view KeyOf(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || line.starts_with(';') || line.starts_with('#'))
        return {};
    return Trimmed(line.substr(0, equals));
}

bool IsBlank(std::string_view line) {
    return Trimmed(line).empty();
}

// The lines below a section's keys without the blank line the writer puts after every
// section, so that it is not kept twice.
std::vector<std::string> WithoutSeparator(std::vector<std::string> lines) {
    if (!lines.empty() && IsBlank(lines.back()))
        lines.pop_back();
    return lines;
}

} // namespace

void CTemplateIni::Clear() {
    m_sections.clear();
    m_head.clear();
    m_errorText.clear();
}

bool CTemplateIni::LoadFile(const std::string& path) {
    struct stat info {};
    std::ifstream file;
    if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        file.open(path, std::ios::binary);
    if (!file.is_open()) {
        m_errorText = "Cannot open file: " + path;
        return false;
    }
    std::string text;
    text.resize(kMaxFileBytes + 1);
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (file.bad()) {
        m_errorText = "Cannot open file: " + path;
        return false;
    }
    text.resize(static_cast<std::size_t>(file.gcount()));
    return Parse(text, path);
}

bool CTemplateIni::Parse(std::string_view text, const std::string& source) {
    Clear();
    if (text.size() > kMaxFileBytes) {
        m_errorText = "The template file is too large: " + source;
        return false;
    }
    if (text.starts_with(kUtf8Bom))
        text.remove_prefix(kUtf8Bom.size());
    if (!IsUtf8Text(text)) {
        m_errorText = "The template file is not a text file: " + source;
        return false;
    }
    Section* current = nullptr;
    Lines pending; // lines since the last header or key
    int lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view raw = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (raw.ends_with('\r'))
            raw.remove_suffix(1);
        const std::string_view line = Trimmed(raw);
        const std::string_view key = KeyOf(line);
        if (IsHeader(line)) {
            const std::string name(line.substr(1, line.size() - 2));
            if (m_sections.contains(name)) {
                Clear();
                m_errorText = "Duplicate section \"" + name + "\" found at line " +
                              std::to_string(lineNumber);
                return false;
            }
            auto block = pending.end();
            while (block != pending.begin() && !IsBlank(*(block - 1)) &&
                   KeyOf(Trimmed(*(block - 1))).empty())
                --block;
            Lines before(std::make_move_iterator(pending.begin()), std::make_move_iterator(block));
            if (current)
                current->below = WithoutSeparator(std::move(before));
            else
                m_head = std::move(before);
            current = &m_sections[name];
            current->above.assign(std::make_move_iterator(block),
                                  std::make_move_iterator(pending.end()));
            pending.clear();
        } else if (current && !key.empty()) {
            Entry& entry = current->keys[std::string(key)];
            entry.above.insert(entry.above.end(), std::make_move_iterator(pending.begin()),
                               std::make_move_iterator(pending.end()));
            pending.clear();
            entry.value = Trimmed(line.substr(line.find('=') + 1));
        } else {
            pending.emplace_back(raw);
        }
    }
    if (current)
        current->below = WithoutSeparator(std::move(pending));
    else
        m_head = std::move(pending);
    return true;
}

std::string CTemplateIni::Text() const {
    std::string out;
    AppendLines(out, m_head);
    for (const auto& [name, section] : m_sections) {
        AppendLines(out, section.above);
        out.append("[").append(name).append("]").append(kLineEnd);
        for (const auto& [key, entry] : section.keys) {
            AppendLines(out, entry.above);
            out.append(key).append("=").append(entry.value).append(kLineEnd);
        }
        AppendLines(out, section.below);
        out.append(kLineEnd);
    }
    // A reader takes a leading byte-order mark for the file's own, so a text that starts
    // with that character keeps it only behind a mark.
    if (out.starts_with(kUtf8Bom))
        out.insert(0, kUtf8Bom);
    return out;
}

bool CTemplateIni::SaveFile(const std::string& path) {
    for (const auto& [name, section] : m_sections) {
        bool fits = CarriesLine(name);
        for (const auto& [key, entry] : section.keys)
            fits = fits && CarriesLine(key) && CarriesLine(entry.value);
        if (!fits) {
            m_errorText = "A line break cannot be stored in the template " + name;
            return false;
        }
    }
    const std::string text = Text();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file.is_open())
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!file.is_open() || !file.flush()) {
        m_errorText = "Cannot write file: " + path;
        return false;
    }
    return true;
}

std::vector<std::string> CTemplateIni::SectionNames() const {
    std::vector<std::string> names;
    names.reserve(m_sections.size());
    for (const auto& entry : m_sections)
        names.push_back(entry.first);
    return names;
}

std::string CTemplateIni::GetValue(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const {
    const auto found = m_sections.find(section);
    if (found == m_sections.end())
        return defaultValue;
    const auto entry = found->second.keys.find(key);
    return entry == found->second.keys.end() ? defaultValue : entry->second.value;
}

void CTemplateIni::SetValue(const std::string& section, const std::string& key,
                            const std::string& value) {
    m_sections[section].keys[key].value = value;
}

void CTemplateIni::RemoveSection(const std::string& name) {
    m_sections.erase(name);
}

} // namespace lumicord
