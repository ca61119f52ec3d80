// What every window of the program reads from the application object: the settings, the
// skin paths and the main window (owner of boxes opened without one). Set once at start-up.
#pragma once

#include <QString>

#include "app/Settings.h"
#include "app/SkinPaths.h"

class QWidget;

namespace lumicord {

void SetApplicationLook(const CSettings* settings, const CSkinPaths* skinPaths);
const CSettings& ApplicationSettings();
const CSkinPaths& ApplicationSkinPaths();

void SetApplicationMainWindow(QWidget* window);
QWidget* ApplicationMainWindow();

inline QString SkinFile(const std::string& path) {
    return QString::fromStdString(path);
}

} // namespace lumicord
