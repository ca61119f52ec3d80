#include "records/ResultLog.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/ProgramDirectory.h"

namespace lumicord {
namespace {

const char* TypeText(int kind) {
    switch (kind) {
    case ResultLogConfig:
        return "PARA_DATA";
    case ResultLogLogo:
        return "LOG_DATA";
    default:
        return "JSON_CMD_DATA";
    }
}

std::string DateText(const LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
    return text;
}

std::string TimeText(const LocalTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

} // namespace

CResultLog::CResultLog(std::string logFolder) : m_logFolder(std::move(logFolder)) {}

void CResultLog::Write(int kind, const std::string& mac, bool success) {
    WriteAt(ReadLocalTime(), kind, mac, success);
}

void CResultLog::WriteAt(const LocalTime& when, int kind, const std::string& mac, bool success) {
    const std::string dayFolder = m_logFolder + DateText(when) + "/";
    const std::string path = dayFolder + (success ? "Success.txt" : "Fail.txt");
    // The MAC text is joined in as it stands, never used as a pattern.
    const std::string record = mac + "\t" + TypeText(kind) + "\t" + TimeText(when) + "\n";

    // One lock over the check and both appends: two writers never both add a header.
    std::lock_guard lock(m_mutex);
    std::error_code error;
    const bool folderExisted = std::filesystem::is_directory(dayFolder, error);
    if (!folderExisted && !std::filesystem::create_directories(dayFolder, error) &&
        !std::filesystem::is_directory(dayFolder, error))
        return;
    if (!folderExisted || !std::filesystem::exists(path, error))
        Append(path, "MAC\t\t\tType\t\tDate\n");
    Append(path, record);
}

void CResultLog::Append(const std::string& path, const std::string& text) {
    if (text.empty())
        return;
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (file == nullptr)
        return;
    std::fwrite(text.data(), 1, text.size(), file);
    std::fwrite("\r\n", 1, 2, file);
    std::fclose(file);
}

void WriteResultLog(int kind, const std::string& mac, bool success) {
    static CResultLog log(ProgramDirectory() + "Log/");
    log.Write(kind, mac, success);
}

} // namespace lumicord
