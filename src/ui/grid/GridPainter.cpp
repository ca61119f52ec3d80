#include "ui/grid/GridPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "ui/grid/CGridImageList.h"
#include "ui/grid/CGridModel.h"

namespace lumicord {
namespace {

bool DrawsHorizontal(GridLines lines) {
    return lines == GridLines::Horizontal || lines == GridLines::Both;
}
bool DrawsVertical(GridLines lines) {
    return lines == GridLines::Vertical || lines == GridLines::Both;
}

// The filled triangle of the sort column's title cell, at its right end.
void DrawSortMark(QPainter& painter, const QRect& rect, int margin, bool ascending) {
    const int size =
        std::min(painter.fontMetrics().horizontalAdvance(QLatin1Char('M')) - 4, rect.height() - 4);
    if (size <= 0)
        return;
    const int right = rect.right() - margin;
    const int top = rect.top() + (rect.height() - size) / 2;
    QPolygon triangle;
    if (ascending)
        triangle << QPoint(right - size / 2, top) << QPoint(right, top + size)
                 << QPoint(right - size, top + size);
    else
        triangle << QPoint(right - size, top) << QPoint(right, top)
                 << QPoint(right - size / 2, top + size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(CGridModel::kSortMarkColor);
    painter.drawPolygon(triangle);
}

void DrawCell(QPainter& painter, const GridPaintContext& context, int row, int column,
              const QRect& rect) {
    const CGridModel& model = context.model;
    const CGridCell& cell = *model.GetCell(row, column);
    const bool fixed = row < model.GetFixedRowCount() || column < model.GetFixedColumnCount();
    const bool selected = model.IsSelectable() &&
                          (cell.GetState() & (GridCellState::kSelected | GridCellState::kFocused));

    QColor back = cell.GetBackClr();
    if (!back.isValid())
        back = fixed ? model.m_fixedBkColor : model.m_gridBkColor;
    QColor text = cell.GetTextClr().isValid() ? cell.GetTextClr() : model.m_textColor;
    if (selected) {
        back = context.palette.color(QPalette::Highlight);
        text = context.palette.color(QPalette::HighlightedText);
    }
    painter.fillRect(rect, back);
    painter.setFont(cell.GetFont().value_or(context.defaultFont));

    const int margin = cell.GetMargin();
    if (context.images != nullptr && cell.GetImage() >= 0) {
        if (const QImage* image = context.images->Image(cell.GetImage()))
            painter.drawImage(rect.topLeft() + QPoint(margin, 0), *image);
    }
    const QRect inner = CellTextRect(context, row, column, rect);
    if (!cell.GetText().isEmpty() && inner.width() > 0) {
        painter.setPen(text);
        QString shown = cell.GetText();
        if (cell.GetFormat() & GridFormat::kEndEllipsis)
            shown = painter.fontMetrics().elidedText(shown, Qt::ElideRight, inner.width());
        painter.drawText(inner, GridTextFlags(cell.GetFormat()), shown);
    }
    if (row < model.GetFixedRowCount() && column > 0 && column == model.GetSortColumn())
        DrawSortMark(painter, rect, margin, model.GetSortAscending());
}

// Rows first to last within [top, bottom) of the window, from the given first row.
void PaintRows(QPainter& painter, const GridPaintContext& context, int firstRow, int endRow,
               const QRect& area) {
    const int bottom = area.bottom() + 1;
    const CGridModel& model = context.model;
    const GridLines lines = model.m_gridLines;
    const int right = model.TotalWidth() - context.scroll.x();
    for (int row = firstRow; row < endRow; ++row) {
        const QRect rowRect = model.CellRect(row, 0, context.scroll);
        if (rowRect.top() >= bottom)
            break;
        for (int column = 0; column < model.GetColumnCount(); ++column) {
            QRect rect = model.CellRect(row, column, context.scroll);
            if (rect.left() > area.right())
                break;
            if (DrawsHorizontal(lines))
                rect.setBottom(rect.bottom() - 1);
            if (DrawsVertical(lines))
                rect.setRight(rect.right() - 1);
            DrawCell(painter, context, row, column, rect);
        }
        painter.setPen(model.m_gridLineColor);
        if (DrawsHorizontal(lines))
            painter.drawLine(rowRect.left(), rowRect.bottom(), right - 1, rowRect.bottom());
        if (DrawsVertical(lines)) {
            for (int column = 0; column < model.GetColumnCount(); ++column) {
                const int x = model.CellRect(row, column, context.scroll).right();
                painter.drawLine(x, rowRect.top(), x, rowRect.bottom());
            }
        }
    }
}

} // namespace

QRect CellTextRect(const GridPaintContext& context, int row, int column, const QRect& cellRect) {
    const CGridCell* cell = context.model.GetCell(row, column);
    if (cell == nullptr)
        return {};
    const int margin = cell->GetMargin();
    QRect inner = cellRect.adjusted(margin, 0, -margin, 0);
    if (context.images != nullptr && cell->GetImage() >= 0)
        inner.setLeft(inner.left() + context.images->Size().width() + margin);
    return inner;
}

int GridTextFlags(unsigned format) {
    int flags = Qt::AlignLeft;
    if (format & GridFormat::kCenter)
        flags = Qt::AlignHCenter;
    else if (format & GridFormat::kRight)
        flags = Qt::AlignRight;
    if (format & GridFormat::kSingleLine) {
        flags |= Qt::TextSingleLine;
        if (format & GridFormat::kVCenter)
            flags |= Qt::AlignVCenter;
        else if (format & GridFormat::kBottom)
            flags |= Qt::AlignBottom;
        else
            flags |= Qt::AlignTop;
    } else {
        flags |= Qt::AlignTop;
        if (format & GridFormat::kWordBreak)
            flags |= Qt::TextWordWrap;
    }
    return flags; // ampersands are drawn as they are: no mnemonic flag
}

void PaintGrid(QPainter& painter, const GridPaintContext& context, const QRect& area) {
    const CGridModel& model = context.model;
    painter.fillRect(area, model.m_gridBkColor);
    if (model.GetColumnCount() == 0)
        return;
    const int fixedHeight = model.FixedRowsHeight();

    painter.save();
    painter.setClipRect(area.intersected(QRect(area.left(), fixedHeight, area.width(),
                                               std::max(0, area.bottom() + 1 - fixedHeight))));
    const int firstBody = model.BodyRowAt(std::max(area.top(), fixedHeight) + context.scroll.y());
    PaintRows(painter, context, firstBody, model.GetRowCount(), area);
    painter.restore();

    if (area.top() >= fixedHeight)
        return;
    const QRect fixedArea = area.intersected(QRect(area.left(), 0, area.width(), fixedHeight));
    painter.save();
    painter.setClipRect(fixedArea);
    PaintRows(painter, context, 0, model.GetFixedRowCount(), fixedArea);
    painter.restore();
}

} // namespace lumicord
