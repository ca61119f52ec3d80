#include "ui/toolkit/ApplicationContext.h"

#include <QPointer>
#include <QWidget>

namespace lumicord {
namespace {
const CSettings kNoSettings{};
const CSkinPaths kNoSkin{};
const CSettings* g_settings = &kNoSettings;
const CSkinPaths* g_skinPaths = &kNoSkin;
QPointer<QWidget> g_mainWindow;
} // namespace

void SetApplicationLook(const CSettings* settings, const CSkinPaths* skinPaths) {
    g_settings = settings != nullptr ? settings : &kNoSettings;
    g_skinPaths = skinPaths != nullptr ? skinPaths : &kNoSkin;
}

const CSettings& ApplicationSettings() {
    return *g_settings;
}

const CSkinPaths& ApplicationSkinPaths() {
    return *g_skinPaths;
}

void SetApplicationMainWindow(QWidget* window) {
    g_mainWindow = window;
}

QWidget* ApplicationMainWindow() {
    return g_mainWindow.data();
}

} // namespace lumicord
