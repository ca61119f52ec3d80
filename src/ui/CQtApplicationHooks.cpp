#include "ui/CQtApplicationHooks.h"

#include <QApplication>

#include "app/CApplicationApp.h"
#include "ui/pages/CApplicationDlg.h"
#include "ui/toolkit/ApplicationContext.h"
#include "ui/toolkit/SkinFont.h"
#include "ui/toolkit/ToolTipDelayStyle.h"

namespace lumicord {

CQtApplicationHooks::CQtApplicationHooks(int& argc, char** argv) : m_argc(argc), m_argv(argv) {}

CQtApplicationHooks::~CQtApplicationHooks() = default;

bool CQtApplicationHooks::InitialiseFramework() {
    if (!QApplication::instance())
        m_application = std::make_unique<QApplication>(m_argc, m_argv);
    QApplication::setApplicationName(QStringLiteral("Lumicord"));
    QApplication::setQuitOnLastWindowClosed(false);
    RegisterFontSubstitutes();
    QApplication::setStyle(new ToolTipDelayStyle); // the application owns it
    return true;
}

void CQtApplicationHooks::RunMainWindow(CApplicationApp& app) {
    SetApplicationLook(&app.Settings(), &app.SkinPaths());
    const CPageServices services{&app.TransmitManage(), &app.ResultStore()};
    auto window = std::make_unique<CApplicationDlg>(services);
    SetApplicationMainWindow(window.get());
    window->exec();
    window.reset();
    SetApplicationLook(nullptr, nullptr);
}

int CQtApplicationHooks::ExitFramework() {
    m_application.reset();
    return 0;
}

} // namespace lumicord
