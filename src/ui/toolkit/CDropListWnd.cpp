#include "ui/toolkit/CDropListWnd.h"

#include <QEvent>
#include <QFrame>
#include <QPainter>
#include <algorithm>

#include "ui/toolkit/CCustomComboBox.h"
#include "ui/toolkit/ColorRefQt.h"

namespace lumicord {

CDropListWnd::CDropListWnd(CCustomComboBox* combo) : QObject(combo), m_combo(combo) {}

void CDropListWnd::Attach(QWidget* frame) {
    if (m_frame == frame)
        return;
    Detach();
    m_frame = frame;
    if (auto* box = qobject_cast<QFrame*>(frame))
        box->setFrameStyle(QFrame::NoFrame); // painted here
    // Keep the list off the rounded corners: one pixel at the sides, half the radius at the
    // top and bottom. The combo box counts these margins when it sizes the drop-down.
    const int cornerRoom = std::max(1, m_radius / 2);
    frame->setContentsMargins(1, cornerRoom, 1, cornerRoom);
    frame->installEventFilter(this);
    frame->update();
}

void CDropListWnd::Detach() {
    if (m_frame)
        m_frame->removeEventFilter(this);
    m_frame = nullptr;
}

bool CDropListWnd::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_frame)
        return false;
    if (event->type() == QEvent::Hide) {
        m_combo->OnDropDownClosed(); // closed by a click outside as well
        return false;
    }
    if (event->type() != QEvent::Paint)
        return false;
    QPainter painter(m_frame);
    const QRect whole = m_frame->rect();
    painter.fillRect(whole, ToQColor(m_fillColor));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ToQColor(m_borderColor), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(whole).adjusted(0.5, 0.5, -0.5, -0.5), m_radius, m_radius);
    return true;
}

} // namespace lumicord
