#include <cstdarg>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/DiagnosticLog.h"

using namespace lumicord;

namespace {

std::string Compose(const LocalTime& when, unsigned thread, const char* function, int level,
                    int line, const char* format, ...) __attribute__((format(printf, 6, 7)));

std::string Compose(const LocalTime& when, unsigned thread, const char* function, int level,
                    int line, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::string text = ComposeDiagnosticLine(when, thread, function, level, line, format, args);
    va_end(args);
    return text;
}

const LocalTime kWhen{2024, 3, 5, 14, 7, 9, 42};

} // namespace

TEST(DiagnosticLog, LineHasTheSixPiecesInOrder) {
    EXPECT_EQ(Compose(kWhen, 5120, "int __thiscall CApplicationApp::InitInstance(void)", 1, 51,
                      "init socker error"),
              "[2024-03-05 14:07:09:0042][ERROR][ThreadID: 5120]"
              "[int __thiscall CApplicationApp::InitInstance(void):51]init socker error\r\n");
}

TEST(DiagnosticLog, OnlyLevelOneIsAnError) {
    const struct {
        int level;
        const char* text;
    } cases[] = {{1, "[ERROR]"}, {0, "[INFO]"}, {2, "[INFO]"}, {-1, "[INFO]"}};
    for (const auto& c : cases) {
        const std::string line = Compose(kWhen, 1, "f", c.level, 1, "m");
        EXPECT_NE(line.find(std::string("]") + c.text + "[ThreadID"), std::string::npos)
            << c.level << ": " << line;
    }
}

TEST(DiagnosticLog, MessageFormatAndMilliseconds) {
    LocalTime early = kWhen;
    early.millisecond = 7;
    const std::string line = Compose(early, 9, "f", 0, 3, "100%% of %d devices (%s)", 12, "ok");
    EXPECT_EQ(line,
              "[2024-03-05 14:07:09:0007][INFO][ThreadID: 9][f:3]100% of 12 devices (ok)\r\n");
}

TEST(DiagnosticLog, LongSignatureIsCutAndTheLineStaysWhole) {
    const std::string signature(2000, 's');
    const std::string line = Compose(kWhen, 1, signature.c_str(), 1, 77, "%s", "tail");
    const auto open = line.find("][s");
    ASSERT_NE(open, std::string::npos);
    const auto place = line.substr(open + 1, line.find(":77]") + 4 - open - 1);
    EXPECT_EQ(place.size(), 511u); // the place piece fills its 512-byte buffer
    EXPECT_EQ(line.substr(line.size() - 10), ":77]tail\r\n");
}

TEST(DiagnosticLog, LongMessageIsNotCut) {
    const std::string message(10000, 'm');
    const std::string line = Compose(kWhen, 1, "f", 1, 1, "%s", message.c_str());
    EXPECT_NE(line.find(message + "\r\n"), std::string::npos);
}

TEST(DiagnosticLog, ManyThreadsAppendWholeLines) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("lumicord-diag-" + std::to_string(::getpid()) + ".log");
    std::filesystem::remove(path);
    SetDiagnosticLogPath(path.string());
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t)
        threads.emplace_back([t] {
            for (int i = 0; i < 50; ++i)
                WriteDiagnosticLine(__PRETTY_FUNCTION__, 1, __LINE__, "thread %d line %d", t, i);
        });
    for (auto& thread : threads)
        thread.join();
    SetDiagnosticLogPath({});

    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    std::istringstream lines(all.str());
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        EXPECT_EQ(line.back(), '\r');
        EXPECT_EQ(line.rfind("[", 0), 0u);
        EXPECT_NE(line.find("[ERROR][ThreadID: "), std::string::npos);
    }
    EXPECT_EQ(count, 400);
    std::filesystem::remove(path);
}

TEST(DiagnosticLog, UnwritableSinkDoesNotFailTheCaller) {
    SetDiagnosticLogPath("/nonexistent-folder/for/sure/diag.log");
    WriteDiagnosticLine("f", 1, 1, "dropped");
    SetDiagnosticLogPath({});
}
