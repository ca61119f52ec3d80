#include "ui/pages/CAboutDlg.h"

#include <QIcon>
#include <QLabel>

#include "ui/toolkit/CTButtonPicture.h"
#include "ui/toolkit/CTStaticGdiplus.h"

namespace lumicord {
namespace {
constexpr int kTemplate = 100;
constexpr int kIcon = 1000;
constexpr int kOk = 1;
} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : CTDialog(kTemplate, parent) {
    const QIcon icon(QStringLiteral(":/icons/lumicord.png"));
    setWindowIcon(icon);
    if (auto* picture = ControlAs<QLabel>(kIcon))
        picture->setPixmap(icon.pixmap(32, 32));
    for (auto* label : findChildren<CTStaticGdiplus*>())
        label->m_textColorNormal = 0x000000;
    if (auto* ok = ControlAs<CTButtonPicture>(kOk)) {
        ok->m_plain = true;
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }
}

} // namespace lumicord
