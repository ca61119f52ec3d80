#include "ui/CQtApplicationHooks.h"

#include <QApplication>

#include "ui/pages/CApplicationDlg.h"

namespace lumicord {

CQtApplicationHooks::CQtApplicationHooks(int& argc, char** argv) : m_argc(argc), m_argv(argv) {}

CQtApplicationHooks::~CQtApplicationHooks() = default;

bool CQtApplicationHooks::InitialiseFramework() {
    if (!QApplication::instance())
        m_application = std::make_unique<QApplication>(m_argc, m_argv);
    QApplication::setApplicationName(QStringLiteral("Lumicord"));
    QApplication::setQuitOnLastWindowClosed(false);
    return true;
}

void CQtApplicationHooks::RunMainWindow(CApplicationApp& app) {
    auto window = std::make_unique<CApplicationDlg>(app);
    window->exec();
}

int CQtApplicationHooks::ExitFramework() {
    m_application.reset();
    return 0;
}

} // namespace lumicord
