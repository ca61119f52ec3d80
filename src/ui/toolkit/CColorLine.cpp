#include "ui/toolkit/CColorLine.h"

#include <QPainter>

#include "ui/toolkit/ColorRefQt.h"

namespace lumicord {

void CColorLine::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(QRect(0, height() / 2, width(), 1), ToQColor(m_lineColor));
}

} // namespace lumicord
