// Reading through libfreexl (in a child process, see IsolatedRead.h) and saving through
// libgsf's OLE2 writer.
#include <freexl.h>
#include <gsf/gsf.h>

#include <cstdio>
#include <mutex>

#include "content/Biff8Stream.h"
#include "content/IsolatedRead.h"
#include "content/SharedStringCheck.h"
#include "content/XlsBook.h"
#include "platform/TextConversion.h"

namespace lumicord {
namespace {

// Readers of the era stored a workbook stream shorter than 4096 bytes in the container's
// small-block area, which some versions of Excel refuse; pad the stream past it.
constexpr std::size_t kMinimumStreamSize = 4096;

class FreexlHandle {
public:
    ~FreexlHandle() {
        if (handle != nullptr)
            freexl_close(handle);
    }
    const void* handle = nullptr;
};

std::u16string NumberText(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", value);
    return Utf8ToUtf16(text);
}

std::optional<std::u16string> CellText(const FreeXL_CellValue& cell) {
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return Utf8ToUtf16(std::to_string(cell.value.int_value));
    case FREEXL_CELL_DOUBLE:
        return NumberText(cell.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        if (cell.value.text_value == nullptr)
            return std::nullopt;
        return Utf8ToUtf16(cell.value.text_value);
    default:
        return std::nullopt;
    }
}

void InitGsf() {
    static std::once_flag once;
    std::call_once(once, [] { gsf_init(); });
}

} // namespace

bool XlsBook::Load(const std::string& path) {
    XlsBook loaded;
    if (!ReadWorkbookIsolated(path, loaded))
        return false;
    m_sheets = std::move(loaded.m_sheets);
    return true;
}

bool ReadWorkbookInProcess(const std::string& path, XlsBook& book) {
    std::vector<std::uint8_t> stream;
    if (!ReadWorkbookStream(path, stream) || !SharedStringsReadable(stream))
        return false;
    FreexlHandle file;
    if (freexl_open(path.c_str(), &file.handle) != FREEXL_OK)
        return false;
    unsigned int password = 0, sheetCount = 0;
    if (freexl_get_info(file.handle, FREEXL_BIFF_PASSWORD, &password) != FREEXL_OK ||
        password != FREEXL_BIFF_PLAIN)
        return false;
    if (freexl_get_info(file.handle, FREEXL_BIFF_SHEET_COUNT, &sheetCount) != FREEXL_OK)
        return false;
    // A workbook has at least one sheet; a container whose sheet directory could not be read
    // has none.
    if (sheetCount == 0)
        return false;
    for (unsigned int s = 0; s < sheetCount; ++s) {
        const char* name = nullptr;
        if (freexl_get_worksheet_name(file.handle, static_cast<unsigned short>(s), &name) !=
                FREEXL_OK ||
            freexl_select_active_worksheet(file.handle, static_cast<unsigned short>(s)) !=
                FREEXL_OK)
            return false;
        unsigned int rows = 0;
        unsigned short columns = 0;
        if (freexl_worksheet_dimensions(file.handle, &rows, &columns) != FREEXL_OK)
            return false;
        rows = rows < kXlsMaxRows ? rows : kXlsMaxRows;
        columns = columns < kXlsMaxColumns ? columns : kXlsMaxColumns;
        XlsSheet& sheet = book.AddSheet(Utf8ToUtf16(name != nullptr ? name : ""));
        for (unsigned int r = 0; r < rows; ++r)
            for (unsigned short c = 0; c < columns; ++c) {
                FreeXL_CellValue cell{};
                if (freexl_get_cell_value(file.handle, r, c, &cell) != FREEXL_OK)
                    continue;
                if (const auto text = CellText(cell))
                    sheet.WriteStr(r, c, *text);
            }
    }
    return true;
}

std::vector<std::uint8_t> XlsBook::SaveToBytes() const {
    std::vector<std::uint8_t> stream = BuildBiff8Stream(*this);
    if (stream.size() < kMinimumStreamSize)
        stream.resize(kMinimumStreamSize, 0);
    InitGsf();
    GsfOutput* memory = gsf_output_memory_new();
    GsfOutfile* container = gsf_outfile_msole_new(memory);
    std::vector<std::uint8_t> bytes;
    bool written = false;
    if (container != nullptr) {
        GsfOutput* workbook = gsf_outfile_new_child(container, "Workbook", FALSE);
        if (workbook != nullptr) {
            written = gsf_output_write(workbook, stream.size(), stream.data()) &&
                      gsf_output_close(workbook);
            g_object_unref(workbook);
        }
        written = gsf_output_close(GSF_OUTPUT(container)) && written;
        g_object_unref(container);
    }
    // Closing the container may close its sink too.
    if (written && (gsf_output_is_closed(memory) || gsf_output_close(memory))) {
        const guint8* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(memory));
        const gsf_off_t size = gsf_output_size(memory);
        if (data != nullptr && size > 0)
            bytes.assign(data, data + size);
    }
    g_object_unref(memory);
    return bytes;
}

bool XlsBook::Save(const std::string& path) const {
    const std::vector<std::uint8_t> bytes = SaveToBytes();
    if (bytes.empty())
        return false;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

} // namespace lumicord
