#include "ui/pages/CaptureCheck.h"

#include <QCoreApplication>

#include "link/AcTransmitManage.h"
#include "ui/toolkit/CNoteDlg.h"
#include "ui/toolkit/QtText.h"

namespace lumicord {

QString CaptureFailureText(const QString& device, const QString& why) {
    const QString program = QCoreApplication::applicationFilePath();
    return QStringLiteral("Cannot capture on %1: %2\nRun as root, or grant the capture rights:\n"
                          "sudo setcap cap_net_raw,cap_net_admin+eip %3")
        .arg(device.isEmpty() ? QStringLiteral("the adapter") : device, why, program);
}

bool CheckCaptureUsable(const AcTransmitManage& manager, QWidget* owner) {
    std::string why;
    if (manager.ProbeCapture(why))
        return true;
    const QString text = CaptureFailureText(QString::fromLocal8Bit(manager.CaptureDeviceName()),
                                            QString::fromLocal8Bit(why.c_str()));
    CNoteDlg note(TranslateQText(QStringLiteral("Note")), text, false, owner);
    note.DoModal();
    return false;
}

} // namespace lumicord
