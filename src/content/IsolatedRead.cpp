#include "content/IsolatedRead.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <glib.h>

#include <cerrno>
#include <cstring>

namespace lumicord {
namespace {

constexpr std::size_t kMaxAnswer = 256u * 1024 * 1024;

void PutU32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void PutText(std::string& out, std::u16string_view text) {
    PutU32(out, static_cast<std::uint32_t>(text.size()));
    for (const char16_t c : text) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
}

class Reader {
public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}
    bool U32(std::uint32_t& value) {
        if (m_bytes.size() - m_at < 4)
            return false;
        value = 0;
        for (int i = 0; i < 4; ++i)
            value |= static_cast<std::uint32_t>(static_cast<unsigned char>(m_bytes[m_at++]))
                     << (8 * i);
        return true;
    }
    bool Text(std::u16string& text, std::size_t limit) {
        std::uint32_t size = 0;
        if (!U32(size) || size > limit || (m_bytes.size() - m_at) / 2 < size)
            return false;
        text.resize(size);
        for (std::uint32_t i = 0; i < size; ++i, m_at += 2)
            text[i] = static_cast<char16_t>(static_cast<unsigned char>(m_bytes[m_at]) |
                                            static_cast<unsigned char>(m_bytes[m_at + 1]) << 8);
        return true;
    }
    bool AtEnd() const { return m_at == m_bytes.size(); }

private:
    std::string_view m_bytes;
    std::size_t m_at = 0;
};

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t step = write(fd, bytes.data() + done, bytes.size() - done);
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
            return false;
        done += static_cast<std::size_t>(step);
    }
    return true;
}

[[noreturn]] void RunChild(const std::string& path, int fd) {
    // A fault in the library ends the child quietly; the parent sees a failed load.
    for (const int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        signal(sig, SIG_DFL);
    // libgsf complains about every broken container on standard error; the parent only
    // needs to know that the load failed.
    g_log_set_default_handler([](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
    XlsBook book;
    bool ok = ReadWorkbookInProcess(path, book);
    std::string answer;
    if (ok)
        answer = SerializeBook(book);
    ok = ok && answer.size() <= kMaxAnswer && WriteAll(fd, answer);
    _exit(ok ? 0 : 1);
}

} // namespace

std::string SerializeBook(const XlsBook& book) {
    std::string out;
    PutU32(out, static_cast<std::uint32_t>(book.SheetCount()));
    for (std::size_t s = 0; s < book.SheetCount(); ++s) {
        const XlsSheet& sheet = *book.GetSheet(s);
        PutText(out, sheet.Name());
        PutU32(out, static_cast<std::uint32_t>(sheet.Cells().size()));
        for (const auto& [at, text] : sheet.Cells()) {
            PutU32(out, at.first);
            PutU32(out, at.second);
            PutText(out, text);
        }
    }
    return out;
}

bool DeserializeBook(std::string_view bytes, XlsBook& book) {
    Reader in(bytes);
    std::uint32_t sheets = 0;
    if (!in.U32(sheets) || sheets == 0 || sheets > 0xFFFF)
        return false;
    for (std::uint32_t s = 0; s < sheets; ++s) {
        std::u16string name;
        std::uint32_t cells = 0;
        if (!in.Text(name, 255) || !in.U32(cells))
            return false;
        XlsSheet& sheet = book.AddSheet(name);
        for (std::uint32_t c = 0; c < cells; ++c) {
            std::uint32_t row = 0, column = 0;
            std::u16string text;
            if (!in.U32(row) || !in.U32(column) || !in.Text(text, kXlsMaxCellLength) ||
                !sheet.WriteStr(row, column, text))
                return false;
        }
    }
    return in.AtEnd();
}

bool ReadWorkbookIsolated(const std::string& path, XlsBook& book, std::chrono::milliseconds limit) {
    int fds[2] = {-1, -1};
    if (pipe2(fds, O_CLOEXEC) != 0)
        return false;
    const pid_t child = fork();
    if (child < 0) {
        close(fds[0]);
        close(fds[1]);
        return false;
    }
    if (child == 0) {
        close(fds[0]);
        RunChild(path, fds[1]);
    }
    close(fds[1]);
    std::string answer;
    bool complete = false;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        pollfd fd{fds[0], POLLIN, 0};
        const int ready = poll(&fd, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            break;
        char buffer[65536];
        const ssize_t got = read(fds[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            complete = got == 0;
            break;
        }
        if (answer.size() + static_cast<std::size_t>(got) > kMaxAnswer)
            break;
        answer.append(buffer, static_cast<std::size_t>(got));
    }
    close(fds[0]);
    if (!complete)
        kill(child, SIGKILL);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    const bool exited = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return complete && exited && DeserializeBook(answer, book);
}

} // namespace lumicord
