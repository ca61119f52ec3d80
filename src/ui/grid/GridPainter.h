// Drawing of the grid: cell backgrounds, images, texts, the sort mark and the grid lines.
#pragma once

#include <QFont>
#include <QPalette>
#include <QPoint>
#include <QRect>

class QPainter;

namespace lumicord {

class CGridModel;
class CGridImageList;

struct GridPaintContext {
    const CGridModel& model;
    const CGridImageList* images; // may be null
    QFont defaultFont;
    QPalette palette;
    QPoint scroll; // how far the body is scrolled
};

// Paints the part of the grid inside area (window coordinates), fixed rows on top.
void PaintGrid(QPainter& painter, const GridPaintContext& context, const QRect& area);

// Where a cell's text goes inside its rectangle: narrowed by the margin on both sides and,
// when the cell shows an image, moved right past it.
QRect CellTextRect(const GridPaintContext& context, int row, int column, const QRect& cellRect);

// Alignment and text flags for a cell format (GridFormat bits).
int GridTextFlags(unsigned format);

} // namespace lumicord
