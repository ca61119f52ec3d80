#include "app/DiagnosticLog.h"

#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>
#include <vector>

#include "platform/ProgramDirectory.h"
#include "platform/ThreadId.h"

namespace lumicord {
namespace {

std::mutex g_pathMutex;
std::string g_path;

// Fixed-size pieces as the line format defines them; snprintf cuts what does not fit.
constexpr std::size_t kTimePieceSize = 64;
constexpr std::size_t kThreadPieceSize = 32;
constexpr std::size_t kPlacePieceSize = 512;

void AppendToFile(const std::string& path, const std::string& text) {
    // One O_APPEND write per line: lines from different threads never interleave, and a
    // file that cannot be opened simply drops the line.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0)
        return;
    const ssize_t written = ::write(fd, text.data(), text.size());
    (void)written;
    ::close(fd);
}

} // namespace

std::string ComposeDiagnosticLine(const LocalTime& when, unsigned threadId, const char* function,
                                  int level, int line, const char* format, std::va_list args) {
    char timePiece[kTimePieceSize];
    std::snprintf(timePiece, sizeof timePiece, "[%04d-%02d-%02d %02d:%02d:%02d:%04d]", when.year,
                  when.month, when.day, when.hour, when.minute, when.second, when.millisecond);
    char threadPiece[kThreadPieceSize];
    std::snprintf(threadPiece, sizeof threadPiece, "[ThreadID: %u]", threadId);
    // A long signature is cut so that "[signature:line]" still fits its piece whole.
    char lineSuffix[24];
    const int suffixLength = std::snprintf(lineSuffix, sizeof lineSuffix, ":%d]", line);
    const int signatureRoom = static_cast<int>(kPlacePieceSize) - 2 - suffixLength;
    char placePiece[kPlacePieceSize];
    std::snprintf(placePiece, sizeof placePiece, "[%.*s%s", signatureRoom, function ? function : "",
                  lineSuffix);

    std::string message;
    if (format) {
        std::va_list measure;
        va_copy(measure, args);
        const int needed = std::vsnprintf(nullptr, 0, format, measure);
        va_end(measure);
        if (needed > 0) {
            std::vector<char> buffer(static_cast<std::size_t>(needed) + 1);
            std::vsnprintf(buffer.data(), buffer.size(), format, args);
            message.assign(buffer.data(), static_cast<std::size_t>(needed));
        }
    }

    std::string text = timePiece;
    text += level == kDiagnosticError ? "[ERROR]" : "[INFO]";
    text += threadPiece;
    text += placePiece;
    text += message;
    text += "\r\n";
    return text;
}

void WriteDiagnosticLine(const char* function, int level, int line, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    const std::string text = ComposeDiagnosticLine(ReadLocalTime(), CurrentThreadId(), function,
                                                   level, line, format, args);
    va_end(args);
    AppendToFile(DiagnosticLogPath(), text);
}

void SetDiagnosticLogPath(const std::string& path) {
    std::lock_guard lock(g_pathMutex);
    g_path = path;
}

std::string DiagnosticLogPath() {
    {
        std::lock_guard lock(g_pathMutex);
        if (!g_path.empty())
            return g_path;
    }
    return ProgramDirectory() + "Diagnostic.log";
}

} // namespace lumicord
