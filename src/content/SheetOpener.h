// Opening the per-device spreadsheet for the user to edit, and waiting until they are done.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace lumicord {

// Opens `path` for editing and returns when the user is done with it; false (with `note` set
// when the user should be told) when it could not be opened. Replaceable in tests.
using SheetOpener = std::function<bool(const std::string& path, std::string& note)>;

// Opens the sheet with `opener`; on failure `note` is "Unable to open excel file!" unless
// the opener set a message of its own, which then comes first, separated by a line feed.
bool OpenDeviceSheet(const std::string& sheetPath, const SheetOpener& opener, std::string& note);

struct DesktopOpenerTimings {
    // How long a launcher that exits this soon may have handed the file to a running instance
    std::chrono::milliseconds quickExit{10000};
    // and how long such an instance gets to create its lock file.
    std::chrono::milliseconds lockAppears{3000};
};

// The desktop's application for .xls files (xdg-mime and its desktop entry), run as a child
// and waited for. A launcher that hands the file to a running LibreOffice exits at once; the
// wait then lasts until LibreOffice's lock file ".~lock.NAME#" beside the sheet is gone.
bool OpenWithDesktopApplication(const std::string& path, std::string& note,
                                const DesktopOpenerTimings& timings = {});

// Waits until `lockPath` does not exist. When it does not exist yet, waits up to `appears`
// for it to be created first. Blocks on inotify, never polls.
void WaitForLockFileGone(const std::string& lockPath, std::chrono::milliseconds appears);

// The Exec line of a desktop entry as arguments, with the file codes replaced by `path`.
std::vector<std::string> DesktopExecArguments(const std::string& exec, const std::string& path);

} // namespace lumicord
