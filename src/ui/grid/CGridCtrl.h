// The scrolling cell grid of the devices page: fixed title rows, per-cell text, images,
// colours, fonts and formats, a hover row, hand-cursor image columns, the sort mark, tips
// with the full text of clipped cells and a click notification carrying the cell's row and column.
// Contents and geometry live in a CGridModel; this window draws it and turns mouse input into model
// calls.
#pragma once

#include <QAbstractScrollArea>

#include "ui/grid/CGridModel.h"
#include "ui/grid/GridPainter.h"

class QHelpEvent;

namespace lumicord {

class CGridImageList;

class CGridCtrl : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit CGridCtrl(QWidget* parent = nullptr);

    CGridModel& Model() { return m_model; }
    const CGridModel& Model() const { return m_model; }

    CGridCell* GetCell(int row, int column) { return m_model.GetCell(row, column); }
    bool SetItemText(int row, int column, const QString& text);
    QString GetItemText(int row, int column) const { return m_model.GetItemText(row, column); }
    bool SetItemImage(int row, int column, int image);
    int GetItemImage(int row, int column) const { return m_model.GetItemImage(row, column); }

    int GetRowCount() const { return m_model.GetRowCount(); }
    int GetColumnCount() const { return m_model.GetColumnCount(); }
    int GetFixedRowCount() const { return m_model.GetFixedRowCount(); }
    bool SetRowCount(int count);
    bool SetColumnCount(int count);
    bool SetFixedRowCount(int count);
    int InsertRow(const QString& heading);
    void DeleteNonFixedRows();

    bool SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const { return m_model.GetColumnWidth(column); }
    bool SetRowHeight(int row, int height);
    int GetRowHeight(int row) const { return m_model.GetRowHeight(row); }
    // Recomputes the scroll ranges from the row heights and column widths.
    void ResetScrollBars();

    // The list is not owned; it must outlive the grid or be replaced first.
    void SetImageList(const CGridImageList* images);
    const CGridImageList* GetImageList() const { return m_images; }

    void EnableSelection(bool enable);
    void SetGridBkColor(const QColor& color) { m_model.m_gridBkColor = color; }
    void SetGridLineColor(const QColor& color) { m_model.m_gridLineColor = color; }
    void SetFixedBkColor(const QColor& color) { m_model.m_fixedBkColor = color; }
    void SetEditable(bool editable) { m_model.m_editable = editable; }
    bool IsEditable() const { return m_model.m_editable; }
    void SetGridLines(GridLines lines);

    // Marks the cell modified; clears the sort mark when the cell is in the sort column.
    void SetModified(int row, int column);
    void SetSortColumn(int column);
    int GetSortColumn() const { return m_model.GetSortColumn(); }
    void SetSortAscending(bool ascending);
    bool GetSortAscending() const { return m_model.GetSortAscending(); }
    void AddImageColumn(int column) { m_model.AddImageColumn(column); }
    int GetHoverRow() const { return m_model.GetHoverRow(); }

    // The cell under a point of the viewport.
    GridCellId CellFromPoint(QPoint point) const;
    QRect CellRect(int row, int column) const;

signals:
    void clicked(int row, int column);
    void doubleClicked(int row, int column);
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    QPoint Scroll() const;
    // Shows the full text of a clipped cell as a tip; returns false when the text fits.
    bool ShowTitleTip(const QHelpEvent& event);
    GridPaintContext PaintContext() const;
    void UpdateRow(int row);
    void UpdateCell(int row, int column);

    CGridModel m_model;
    const CGridImageList* m_images = nullptr;
};

} // namespace lumicord
