#include "ui/toolkit/CTStaticGdiplus.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/toolkit/ColorRefQt.h"
#include "ui/toolkit/SkinFont.h"

namespace lumicord {

CTStaticGdiplus::CTStaticGdiplus(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
    RebuildFont();
}

void CTStaticGdiplus::SetText(const QString& text) {
    m_text = text;
    setText(text);
    Redraw();
}

void CTStaticGdiplus::SetFaceName(const QString& face) {
    m_faceName = face;
    RebuildFont();
}

void CTStaticGdiplus::SetFont(int height, int weight, bool italic, bool underline,
                              const QString& face, bool strikeOut) {
    m_fontHeight = height;
    m_fontWeight = weight;
    m_italic = italic;
    m_underline = underline;
    m_faceName = face;
    m_strikeOut = strikeOut;
    RebuildFont();
    Redraw();
}

void CTStaticGdiplus::RebuildFont() {
    SkinFontLook look{m_faceName, m_fontHeight, m_fontWeight};
    look.italic = m_italic;
    look.underline = m_underline;
    look.strikeOut = m_strikeOut;
    m_font = MakeSkinFont(look);
}

void CTStaticGdiplus::Redraw() {
    update();
}

QString CTStaticGdiplus::DrawnText() const {
    return m_text.isEmpty() ? text() : m_text;
}

ColorRef CTStaticGdiplus::CurrentTextColor() const {
    if (m_checked)
        return m_textColorPressed;
    if (!isEnabled())
        return m_textColorDisabled;
    if (m_hovering)
        return m_pressed ? m_textColorPressed : m_textColorHover;
    return m_textColorNormal;
}

std::vector<StaticLine> CTStaticGdiplus::Layout() const {
    return LayoutStaticText(DrawnText(), m_alignment, m_lineSpacing, size(), QFontMetrics(m_font));
}

void CTStaticGdiplus::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (m_fillBackground)
        painter.fillRect(rect(), ToQColor(m_backgroundColor));
    if (DrawnText().isEmpty())
        return;
    painter.setFont(m_font);
    painter.setPen(ToQColor(CurrentTextColor()));
    const QFontMetrics metrics(m_font);
    for (const StaticLine& line : Layout())
        painter.drawText(line.position.x(), line.position.y() + metrics.ascent(), line.text);
}

void CTStaticGdiplus::mouseMoveEvent(QMouseEvent* event) {
    if (m_trackingArmed) {
        m_trackingArmed = false;
        m_hovering = true;
        Redraw();
    }
    QLabel::mouseMoveEvent(event);
}

void CTStaticGdiplus::leaveEvent(QEvent* event) {
    m_hovering = false;
    m_underline = false;
    RebuildFont();
    m_trackingArmed = true;
    Redraw();
    QLabel::leaveEvent(event);
}

void CTStaticGdiplus::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        Redraw();
    }
    event->accept();
}

void CTStaticGdiplus::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_pressed = false;
        Redraw();
    }
    event->accept();
}

} // namespace lumicord
