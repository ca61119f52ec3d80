// The daily success and failure logs: one line per outcome a device reports, appended to
// Log/<yyyy-mm-dd>/Success.txt or Fail.txt under the program directory.
#pragma once

#include <mutex>
#include <string>

#include "platform/LocalClock.h"

namespace lumicord {

enum ResultLogKind {
    ResultLogConfig = 1,    // "PARA_DATA"
    ResultLogLogo = 2,      // "LOG_DATA"
    ResultLogAntiTheft = 3, // "JSON_CMD_DATA" (and any other value)
};

class CResultLog {
public:
    // `logFolder` ends in '/'; the day folders are made inside it on demand.
    explicit CResultLog(std::string logFolder);

    // Appends one record stamped with the local time. Never reports a failure.
    void Write(int kind, const std::string& mac, bool success);
    // The same with an explicit clock reading (one reading serves folder and time text).
    void WriteAt(const LocalTime& when, int kind, const std::string& mac, bool success);

private:
    // Appends `text` and CR LF; an empty text is not written. Called under the lock.
    void Append(const std::string& path, const std::string& text);

    std::string m_logFolder;
    std::mutex m_mutex;
};

// The process's log in <program directory>Log/.
void WriteResultLog(int kind, const std::string& mac, bool success);

} // namespace lumicord
