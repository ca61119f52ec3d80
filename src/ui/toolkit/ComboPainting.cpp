#include "ui/toolkit/ComboPainting.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/toolkit/CCustomComboBox.h"
#include "ui/toolkit/ColorRefQt.h"

namespace lumicord {
namespace {

// A rectangle through the pixel centres of `r`, so a one-pixel pen covers its outer pixels.
QRectF PenRect(const QRect& r) {
    return QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
}

void DrawElided(QPainter& painter, const QRect& rect, const QString& text, ColorRef color) {
    painter.setPen(ToQColor(color));
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, rect.width());
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

void DrawArrowImage(QPainter& painter, const QImage& image, const QRect& area) {
    const QSize size = image.size().boundedTo(area.size());
    const QRect target(area.center() - QPoint(size.width() / 2, size.height() / 2), size);
    painter.drawImage(target, image);
}

void DrawArrowShape(QPainter& painter, const QRect& area, bool open, bool hovered) {
    if (open) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(220, 233, 255));
        painter.drawRoundedRect(QRectF(area).adjusted(2, 2, -2, -2), 3, 3);
    }
    painter.setPen(hovered ? QColor(160, 200, 240) : QColor(215, 215, 215));
    painter.drawLine(QPointF(area.left() + 0.5, area.top() + 4),
                     QPointF(area.left() + 0.5, area.bottom() - 3));
    const QPointF c = QRectF(area).center();
    const qreal tip = open ? -2 : 2; // the point of the triangle, 4 pixels from its base
    const QPointF points[] = {
        {c.x() - 5, c.y() - tip}, {c.x() + 5, c.y() - tip}, {c.x(), c.y() + tip}};
    painter.setPen(Qt::NoPen);
    painter.setBrush(hovered ? QColor(60, 120, 210) : QColor(100, 100, 100));
    painter.drawPolygon(points, 3);
}

} // namespace

void PaintComboFace(QPainter& painter, const CCustomComboBox& combo) {
    // Corners outside the rounding stay unpainted, so the page shows through them.
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = PenRect(combo.rect());
    painter.setPen(ToQColor(combo.m_faceFill));
    painter.setBrush(ToQColor(combo.m_faceFill));
    painter.drawRoundedRect(face, combo.m_cornerRadius, combo.m_cornerRadius);

    const QRect arrow = combo.ArrowRect();
    const QImage& image = combo.ArrowImage(combo.CurrentArrowState());
    if (!image.isNull())
        DrawArrowImage(painter, image, arrow);
    else
        DrawArrowShape(painter, arrow, combo.IsOpen(), combo.Hovered());

    painter.setFont(combo.font());
    DrawElided(painter, combo.FaceTextRect(), combo.FaceText(), combo.FaceTextColor());

    const bool active = combo.IsOpen() || combo.Hovered();
    painter.setPen(ToQColor(active ? combo.m_faceBorderActive : combo.m_faceBorder));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(face, combo.m_cornerRadius, combo.m_cornerRadius);
}

CComboItemDelegate::CComboItemDelegate(CCustomComboBox* combo)
    : QStyledItemDelegate(combo), m_combo(combo) {}

QSize CComboItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), m_combo->m_itemHeight};
}

void CComboItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const auto& items = m_combo->Items();
    const int row = index.row();
    if (row < 0 || row >= int(items.size()))
        return;
    const ComboItem& item = items[std::size_t(row)];
    const CCustomComboBox& c = *m_combo;
    const QRect r = option.rect;
    const bool current = row == c.currentIndex();
    const bool selected = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
    const bool highlighted = item.enabled && (selected || current);

    painter->save();
    painter->fillRect(r, ToQColor(c.m_listBackground));
    painter->setRenderHint(QPainter::Antialiasing);
    if (highlighted) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(ToQColor(c.m_highlightFill));
        painter->drawRoundedRect(QRectF(r).adjusted(4, 2, -4, -2), c.m_cornerRadius,
                                 c.m_cornerRadius);
    }
    QRect text = r.adjusted(8, 0, -8, 0);
    if (current)
        text.setRight(text.right() - (c.m_markWidth + 8));
    const ColorRef color = !item.enabled ? c.m_disabledItemText
                           : highlighted ? c.m_highlightText
                                         : c.m_itemText;
    painter->setFont(option.font);
    DrawElided(*painter, text, item.text, color);

    if (current) {
        const QRectF box(r.right() + 1 - 6 - c.m_markWidth,
                         r.center().y() + 0.5 - c.m_markHeight / 2.0, c.m_markWidth,
                         c.m_markHeight);
        const QPointF m = box.center();
        const QPointF tick[] = {m + QPointF(-5, 0), m + QPointF(-2, 4), m + QPointF(5, -5)};
        painter->setPen(
            QPen(ToQColor(c.m_highlightText), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawPolyline(tick, 3);
    }
    if (row < int(items.size()) - 1) {
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(ToQColor(c.m_separator));
        painter->drawLine(r.left() + 12, r.bottom(), r.right() - 12, r.bottom());
    }
    painter->restore();
}

} // namespace lumicord
