#include "ui/pages/CApplicationDlg.h"

#include "app/CApplicationApp.h"

namespace lumicord {

CApplicationDlg::CApplicationDlg(CApplicationApp& app, QWidget* parent)
    : QDialog(parent), m_app(app) {
    setWindowTitle(QStringLiteral("Lumicord"));
    resize(817, 540);
}

} // namespace lumicord
