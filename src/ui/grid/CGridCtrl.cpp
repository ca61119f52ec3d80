#include "ui/grid/CGridCtrl.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

#include "ui/grid/GridPainter.h"

namespace lumicord {

CGridCtrl::CGridCtrl(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

bool CGridCtrl::SetItemText(int row, int column, const QString& text) {
    return m_model.SetItemText(row, column, text);
}

bool CGridCtrl::SetItemImage(int row, int column, int image) {
    const int oldSort = m_model.GetSortColumn();
    if (!m_model.SetItemImage(row, column, image))
        return false;
    if (m_model.GetSortColumn() != oldSort)
        UpdateCell(0, oldSort);
    return true;
}

bool CGridCtrl::SetRowCount(int count) {
    const bool done = m_model.SetRowCount(count);
    ResetScrollBars();
    viewport()->update();
    return done;
}

bool CGridCtrl::SetColumnCount(int count) {
    const bool done = m_model.SetColumnCount(count);
    ResetScrollBars();
    viewport()->update();
    return done;
}

bool CGridCtrl::SetFixedRowCount(int count) {
    const bool done = m_model.SetFixedRowCount(count);
    ResetScrollBars();
    viewport()->update();
    return done;
}

int CGridCtrl::InsertRow(const QString& heading) {
    const int row = m_model.InsertRow(heading);
    ResetScrollBars();
    viewport()->update();
    return row;
}

void CGridCtrl::DeleteNonFixedRows() {
    m_model.DeleteNonFixedRows();
    ResetScrollBars();
    viewport()->update();
}

bool CGridCtrl::SetColumnWidth(int column, int width) {
    if (!m_model.SetColumnWidth(column, width))
        return false;
    ResetScrollBars();
    return true;
}

bool CGridCtrl::SetRowHeight(int row, int height) {
    if (!m_model.SetRowHeight(row, height))
        return false;
    ResetScrollBars();
    return true;
}

void CGridCtrl::ResetScrollBars() {
    const QSize view = viewport()->size();
    const int bodyView = std::max(0, view.height() - m_model.FixedRowsHeight());
    const int bodyHeight = m_model.TotalHeight() - m_model.FixedRowsHeight();
    verticalScrollBar()->setRange(0, std::max(0, bodyHeight - bodyView));
    verticalScrollBar()->setPageStep(std::max(1, bodyView));
    const int firstBody = m_model.GetFixedRowCount();
    verticalScrollBar()->setSingleStep(
        std::max(1, firstBody < m_model.GetRowCount() ? m_model.GetRowHeight(firstBody) : 20));
    horizontalScrollBar()->setRange(0, std::max(0, m_model.TotalWidth() - view.width()));
    horizontalScrollBar()->setPageStep(std::max(1, view.width()));
    horizontalScrollBar()->setSingleStep(20);
}

void CGridCtrl::SetImageList(const CGridImageList* images) {
    m_images = images;
    viewport()->update();
}

void CGridCtrl::EnableSelection(bool enable) {
    m_model.EnableSelection(enable);
    viewport()->update();
}

void CGridCtrl::SetGridLines(GridLines lines) {
    m_model.m_gridLines = lines;
    if (updatesEnabled())
        viewport()->update();
}

void CGridCtrl::SetModified(int row, int column) {
    const int oldSort = m_model.GetSortColumn();
    if (m_model.SetModified(row, column))
        UpdateCell(0, oldSort);
}

void CGridCtrl::SetSortColumn(int column) {
    const int oldSort = m_model.GetSortColumn();
    m_model.SetSortColumn(column);
    UpdateCell(0, oldSort);
    UpdateCell(0, column);
}

void CGridCtrl::SetSortAscending(bool ascending) {
    m_model.SetSortAscending(ascending);
    UpdateCell(0, m_model.GetSortColumn());
}

QPoint CGridCtrl::Scroll() const {
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

GridCellId CGridCtrl::CellFromPoint(QPoint point) const {
    return m_model.CellFromPoint(point, Scroll());
}

QRect CGridCtrl::CellRect(int row, int column) const {
    return m_model.CellRect(row, column, Scroll());
}

void CGridCtrl::UpdateRow(int row) {
    if (row < 0 || row >= m_model.GetRowCount())
        return;
    const QRect first = CellRect(row, 0);
    viewport()->update(QRect(0, first.top(), viewport()->width(), first.height()));
}

void CGridCtrl::UpdateCell(int row, int column) {
    const QRect rect = CellRect(row, column);
    if (!rect.isEmpty())
        viewport()->update(rect);
}

GridPaintContext CGridCtrl::PaintContext() const {
    return GridPaintContext{m_model, m_images, font(), palette(), Scroll()};
}

void CGridCtrl::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    PaintGrid(painter, PaintContext(), event->rect());
}

bool CGridCtrl::ShowTitleTip(const QHelpEvent& event) {
    const GridCellId id = CellFromPoint(event.pos());
    const CGridCell* cell = m_model.GetCell(id.row, id.column);
    if (cell == nullptr || cell->GetText().isEmpty())
        return false;
    const QRect rect = CellRect(id.row, id.column);
    const QRect textRect = CellTextRect(PaintContext(), id.row, id.column, rect);
    const QFontMetrics metrics(cell->GetFont().value_or(font()));
    const QRect needed = metrics.boundingRect(QRect(textRect.topLeft(), QSize(textRect.width(), 0)),
                                              GridTextFlags(cell->GetFormat()), cell->GetText());
    if (needed.width() <= textRect.width() && needed.height() <= textRect.height())
        return false;
    QToolTip::showText(event.globalPos(), cell->GetText(), viewport(), rect);
    return true;
}

bool CGridCtrl::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        if (!ShowTitleTip(static_cast<const QHelpEvent&>(*event))) {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void CGridCtrl::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    ResetScrollBars();
}

void CGridCtrl::scrollContentsBy(int, int) {
    viewport()->update();
}

void CGridCtrl::mouseMoveEvent(QMouseEvent* event) {
    int oldHover = -1;
    const int before = m_model.GetHoverRow();
    const bool hand = m_model.TrackMouse(CellFromPoint(event->position().toPoint()), &oldHover);
    if (m_model.GetHoverRow() != before) {
        UpdateRow(oldHover);
        UpdateRow(m_model.GetHoverRow());
    }
    viewport()->setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QAbstractScrollArea::mouseMoveEvent(event);
}

void CGridCtrl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const GridCellId cell = CellFromPoint(event->position().toPoint());
        if (m_model.SelectCell(cell)) {
            viewport()->update();
            emit selectionChanged();
        }
    }
    event->accept();
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const GridCellId cell = CellFromPoint(event->position().toPoint());
        if (m_model.IsValid(cell.row, cell.column))
            emit clicked(cell.row, cell.column);
    }
    event->accept();
}

void CGridCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const GridCellId cell = CellFromPoint(event->position().toPoint());
        if (m_model.IsValid(cell.row, cell.column))
            emit doubleClicked(cell.row, cell.column);
    }
    event->accept();
}

} // namespace lumicord
