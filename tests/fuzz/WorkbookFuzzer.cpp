// Fuzz target: any bytes as a workbook file, loaded and read the way the per-device sheet is.
// libfreexl reads in a child process, so a fault there shows as a failed load, not a crash.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "content/IsolatedRead.h"
#include "content/SharedStringCheck.h"
#include "content/XlsBook.h"

using namespace lumicord;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int fd = memfd_create("workbook", MFD_CLOEXEC);
    if (fd < 0)
        return 0;
    std::size_t written = 0;
    while (written < size) {
        const ssize_t step = write(fd, data + written, size - written);
        if (step <= 0)
            break;
        written += static_cast<std::size_t>(step);
    }
    XlsBook book;
    if (written == size && book.Load("/proc/self/fd/" + std::to_string(fd))) {
        for (std::size_t s = 0; s < book.SheetCount(); ++s)
            for (const auto& [at, text] : book.GetSheet(s)->Cells())
                if (at.first >= kXlsMaxRows || at.second >= kXlsMaxColumns ||
                    text.size() > kXlsMaxCellLength || text.empty())
                    __builtin_trap();
        // What was read is written again, as a loaded template is.
        if (book.SaveToBytes().empty())
            __builtin_trap();
    }
    close(fd);
    // The parts that run in this process see the bytes directly too: the shared-string check
    // as a record stream, and the reading child's answer.
    SharedStringsReadable(std::vector<std::uint8_t>(data, data + size));
    XlsBook answer;
    if (DeserializeBook(std::string_view(reinterpret_cast<const char*>(data), size), answer)) {
        const std::string again = SerializeBook(answer);
        XlsBook second;
        if (!DeserializeBook(again, second) || SerializeBook(second) != again)
            __builtin_trap();
    }
    return 0;
}
