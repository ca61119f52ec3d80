#include "ui/pages/CaptureCheck.h"

#include <QCoreApplication>
#include <QWidget>

#include "link/AcTransmitManage.h"
#include "ui/toolkit/CNoteDlg.h"
#include "ui/toolkit/QtText.h"

namespace lumicord {
namespace {
// The note's message area holds three lines; this one takes seven.
constexpr int kExtraHeight = 64;
constexpr int kMessage = 1189;
constexpr int kLowerLine = 1013;
constexpr int kCancel = 1211;
constexpr int kOk = 1194;

// Makes the note `extra` pixels taller, the message area with it, the buttons below it.
void GrowMessage(CNoteDlg& note, int extra) {
    note.resize(note.width(), note.height() + extra);
    if (QWidget* message = note.Control(kMessage))
        message->resize(message->width(), message->height() + extra);
    for (int id : {kLowerLine, kCancel, kOk})
        if (QWidget* control = note.Control(id))
            control->move(control->x(), control->y() + extra);
}

} // namespace

QString CaptureFailureText(const QString& device, const QString& why) {
    const QString program = QCoreApplication::applicationFilePath();
    return QStringLiteral(
               "Cannot capture on %1: %2\n\nRun Lumicord as root, or give it the capture "
               "rights once:\nsudo setcap cap_net_raw,cap_net_admin+eip %3")
        .arg(device.isEmpty() ? QStringLiteral("the adapter") : device, why, program);
}

bool CheckCaptureUsable(const AcTransmitManage& manager, QWidget* owner) {
    std::string why;
    if (manager.ProbeCapture(why))
        return true;
    const QString text = CaptureFailureText(QString::fromLocal8Bit(manager.CaptureDeviceName()),
                                            QString::fromLocal8Bit(why.c_str()));
    CNoteDlg note(TranslateQText(QStringLiteral("Note")), text, false, owner);
    GrowMessage(note, kExtraHeight);
    note.DoModal();
    return false;
}

} // namespace lumicord
