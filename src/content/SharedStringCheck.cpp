#include "content/SharedStringCheck.h"

#include <gsf/gsf.h>

#include <mutex>

namespace lumicord {
namespace {

constexpr std::uint16_t kSst = 0x00FC, kContinue = 0x003C;
constexpr gsf_off_t kMaxStreamSize = 64 * 1024 * 1024;

std::uint32_t Get(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i)
        value |= static_cast<std::uint32_t>(bytes[at + static_cast<std::size_t>(i)]) << (8 * i);
    return value;
}

// Reads through the SST's records: the data of the SST record and each CONTINUE after it.
class SstCursor {
public:
    explicit SstCursor(std::vector<std::vector<std::uint8_t>> records)
        : m_records(std::move(records)) {}

    bool AtEnd() const { return m_record >= m_records.size(); }
    std::size_t Left() const { return AtEnd() ? 0 : m_records[m_record].size() - m_at; }
    std::size_t Record() const { return m_record; }
    // Takes `size` bytes from the current record (no crossing); false when they are not there.
    bool Take(std::size_t size, std::uint32_t* value = nullptr) {
        if (Left() < size)
            return false;
        if (value != nullptr)
            *value = Get(m_records[m_record], m_at, static_cast<int>(size));
        m_at += size;
        return true;
    }
    void NextRecord() {
        ++m_record;
        m_at = 0;
    }
    // Steps over `size` bytes that may run on into following records.
    bool Skip(std::size_t size) {
        while (size > 0) {
            if (AtEnd())
                return false;
            if (Left() == 0) {
                NextRecord();
                continue;
            }
            const std::size_t step = size < Left() ? size : Left();
            m_at += step;
            size -= step;
        }
        return true;
    }

private:
    std::vector<std::vector<std::uint8_t>> m_records;
    std::size_t m_record = 0;
    std::size_t m_at = 0;
};

} // namespace

bool SharedStringsReadable(const std::vector<std::uint8_t>& stream) {
    std::vector<std::vector<std::uint8_t>> records;
    for (std::size_t at = 0; at + 4 <= stream.size();) {
        const std::uint32_t type = Get(stream, at, 2), size = Get(stream, at + 2, 2);
        if (at + 4 + size > stream.size())
            break;
        const bool take = type == kSst || (type == kContinue && !records.empty());
        if (!take && !records.empty())
            break;
        if (take)
            records.emplace_back(stream.begin() + static_cast<std::ptrdiff_t>(at + 4),
                                 stream.begin() + static_cast<std::ptrdiff_t>(at + 4 + size));
        at += 4 + size;
    }
    if (records.empty())
        return true;
    SstCursor cursor(std::move(records));
    std::uint32_t unique = 0;
    if (!cursor.Skip(4) || !cursor.Take(4, &unique))
        return true; // a table this short is libfreexl's to refuse
    for (std::uint32_t s = 0; s < unique; ++s) {
        if (cursor.Left() == 0)
            cursor.NextRecord();
        std::uint32_t length = 0, flags = 0, runs = 0, extra = 0;
        if (!cursor.Take(2, &length) || !cursor.Take(1, &flags))
            return true;
        if ((flags & 0x08) != 0 && !cursor.Take(2, &runs))
            return true;
        if ((flags & 0x04) != 0 && !cursor.Take(4, &extra))
            return true;
        const std::size_t first = cursor.Record();
        std::size_t left = length;
        while (left > 0) {
            const std::size_t width = (flags & 0x01) != 0 ? 2 : 1;
            if (cursor.Left() < width) {
                cursor.NextRecord();
                if (cursor.Record() > first + 1)
                    return false;
                if (!cursor.Take(1, &flags)) // each continuation repeats the option byte
                    return true;
                continue;
            }
            const std::size_t fits = cursor.Left() / ((flags & 0x01) != 0 ? 2 : 1);
            const std::size_t step = fits < left ? fits : left;
            cursor.Skip(step * ((flags & 0x01) != 0 ? 2 : 1));
            left -= step;
        }
        if (!cursor.Skip(4 * static_cast<std::size_t>(runs) + extra))
            return true;
    }
    return true;
}

bool ReadWorkbookStream(const std::string& path, std::vector<std::uint8_t>& stream) {
    static std::once_flag once;
    std::call_once(once, [] { gsf_init(); });
    GsfInput* file = gsf_input_stdio_new(path.c_str(), nullptr);
    if (file == nullptr)
        return false;
    GsfInfile* container = gsf_infile_msole_new(file, nullptr);
    g_object_unref(file);
    if (container == nullptr)
        return false;
    GsfInput* workbook = gsf_infile_child_by_name(container, "Workbook");
    if (workbook == nullptr)
        workbook = gsf_infile_child_by_name(container, "Book");
    bool read = false;
    if (workbook != nullptr) {
        const gsf_off_t size = gsf_input_size(workbook);
        if (size >= 0 && size <= kMaxStreamSize) {
            stream.resize(static_cast<std::size_t>(size));
            read = size == 0 || gsf_input_read(workbook, stream.size(), stream.data()) != nullptr;
        }
        g_object_unref(workbook);
    }
    g_object_unref(container);
    return read;
}

} // namespace lumicord
