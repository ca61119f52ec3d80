#include "platform/IniFile.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/CaseFolding.h"
#include "platform/TextConversion.h"

namespace lumicord {
namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f';
}

std::u16string_view Trim(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A text with a NUL in it ends there, as the C strings of the Windows calls do.
std::u16string_view UpToNul(std::u16string_view text) {
    return text.substr(0, text.find(u'\0'));
}

std::u16string_view StripQuotes(std::u16string_view value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string ReadFileBytes(const std::string& path) {
    std::string bytes;
    // Non-blocking open so that a FIFO in place of the file cannot hang us; only regular files
    // are read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return bytes;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        char buffer[65536];
        while (bytes.size() < CIniFile::kMaxFileBytes) {
            const std::size_t want =
                std::min(sizeof buffer, CIniFile::kMaxFileBytes - bytes.size());
            const ssize_t got = ::read(fd, buffer, want);
            if (got <= 0)
                break;
            bytes.append(buffer, static_cast<std::size_t>(got));
        }
    }
    ::close(fd);
    return bytes;
}

} // namespace

std::u16string DecodeProfileText(std::string_view bytes) {
    auto byteAt = [&bytes](std::size_t i) {
        return static_cast<unsigned char>(bytes[i]);
    };
    const bool le = bytes.size() >= 2 && byteAt(0) == 0xFF && byteAt(1) == 0xFE;
    const bool be = bytes.size() >= 2 && byteAt(0) == 0xFE && byteAt(1) == 0xFF;
    if (le || be) {
        std::u16string text;
        text.reserve(bytes.size() / 2);
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            const unsigned lo = le ? byteAt(i) : byteAt(i + 1);
            const unsigned hi = le ? byteAt(i + 1) : byteAt(i);
            text += static_cast<char16_t>(lo | (hi << 8));
        }
        return text;
    }
    if (bytes.size() >= 3 && byteAt(0) == 0xEF && byteAt(1) == 0xBB && byteAt(2) == 0xBF)
        bytes.remove_prefix(3);
    return Utf8ToUtf16(bytes);
}

CIniFile CIniFile::Load(const std::string& path) {
    return Parse(ReadFileBytes(path));
}

CIniFile CIniFile::Parse(std::string_view bytes) {
    CIniFile file;
    const std::u16string text = DecodeProfileText(bytes);
    const std::u16string_view all(text);
    Entries* current = nullptr; // null: before the first section, or in a repeated one
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t end = all.find_first_of(u"\r\n", start);
        if (end == std::u16string_view::npos)
            end = all.size();
        const std::u16string_view line = Trim(all.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == u';')
            continue;
        if (line.front() == u'[') {
            std::u16string_view name = line.substr(1);
            const std::size_t close = name.rfind(u']');
            if (close != std::u16string_view::npos)
                name = name.substr(0, close);
            const auto [at, added] = file.m_sections.try_emplace(ToLower(UpToNul(Trim(name))));
            current = added ? &at->second : nullptr;
            continue;
        }
        const std::size_t equals = line.find(u'=');
        if (current == nullptr || equals == std::u16string_view::npos)
            continue;
        const std::u16string_view key = UpToNul(Trim(line.substr(0, equals)));
        if (key.empty())
            continue;
        const std::u16string_view value = StripQuotes(UpToNul(Trim(line.substr(equals + 1))));
        current->emplace(ToLower(key), std::u16string(value)); // the first of a name wins
    }
    return file;
}

const std::u16string* CIniFile::Find(std::u16string_view section, std::u16string_view key) const {
    const auto entries = m_sections.find(ToLower(Trim(section)));
    if (entries == m_sections.end())
        return nullptr;
    const auto found = entries->second.find(ToLower(Trim(key)));
    return found == entries->second.end() ? nullptr : &found->second;
}

std::u16string CIniFile::GetString(std::u16string_view section, std::u16string_view key,
                                   std::u16string_view defaultValue, std::size_t limit) const {
    const std::u16string* value = Find(section, key);
    std::u16string_view chosen = value != nullptr ? std::u16string_view(*value) : defaultValue;
    if (value == nullptr)
        while (!chosen.empty() && (chosen.back() == u' ' || chosen.back() == u'\t'))
            chosen.remove_suffix(1);
    return std::u16string(CutUtf16(chosen, limit));
}

std::u16string ReadProfileString(const std::string& path, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view defaultValue,
                                 std::size_t limit) {
    return CIniFile::Load(path).GetString(section, key, defaultValue, limit);
}

} // namespace lumicord
