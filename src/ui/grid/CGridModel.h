// The grid's contents and geometry without a window: rows and columns, the cells, row
// heights and column widths, image columns, the hover row, the sort mark, selection and
// hit testing. CGridCtrl draws it and turns mouse events into calls on it.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

#include "ui/grid/CGridCell.h"

namespace lumicord {

enum class GridLines { None = 0, Horizontal = 1, Vertical = 2, Both = 3 };

struct GridCellId {
    int row = -1;
    int column = -1;
    bool IsValid() const { return row >= 0 && column >= 0; }
    bool operator==(const GridCellId&) const = default;
};

class CGridModel {
public:
    static constexpr int kDefaultRowHeight = 25;
    static constexpr int kDefaultColumnWidth = 80;
    static inline const QColor kHoverBkColor{242, 242, 242};
    static inline const QColor kRestBkColor{255, 255, 255};
    static inline const QColor kSortMarkColor{204, 204, 204};

    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    int GetColumnCount() const { return static_cast<int>(m_columnWidths.size()); }
    int GetFixedRowCount() const { return m_fixedRows; }
    int GetFixedColumnCount() const { return m_fixedColumns; }

    // Adds rows or columns at the end (with a cell each) or removes them from the end.
    bool SetRowCount(int count);
    bool SetColumnCount(int count);
    bool SetFixedRowCount(int count);
    bool SetFixedColumnCount(int count);

    // Appends a row with a cell for every column and the heading in column 0; gives the grid
    // one column first if it has none. Clears the selection and the focus cell. Returns the
    // new row's index.
    int InsertRow(const QString& heading);
    // Deletes every non-fixed row; clears the selection, the focus cell and the hover row.
    void DeleteNonFixedRows();

    // The cell, or nullptr out of range. Valid until rows or columns are removed.
    CGridCell* GetCell(int row, int column);
    const CGridCell* GetCell(int row, int column) const;
    bool IsValid(int row, int column) const;

    bool SetItemText(int row, int column, const QString& text);
    QString GetItemText(int row, int column) const; // empty out of range
    bool SetItemImage(int row, int column, int image);
    int GetItemImage(int row, int column) const; // -1 out of range
    // Marks the cell modified. Returns true when this cleared the sort column (a column of
    // -1 or the sort column itself), so its title cell needs redrawing.
    bool SetModified(int row, int column);
    bool GetModified() const { return m_modified; }

    bool SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;
    bool SetRowHeight(int row, int height);
    int GetRowHeight(int row) const;

    // Geometry in grid coordinates (no scrolling): row 0 starts at y 0, column 0 at x 0.
    int RowTop(int row) const;
    int ColumnLeft(int column) const;
    int TotalHeight() const { return m_totalHeight; }
    int TotalWidth() const { return m_totalWidth; }
    int FixedRowsHeight() const;
    // The first body row whose bottom lies below y (grid coordinates), or GetRowCount().
    int BodyRowAt(int y) const;
    // The row and column under a point of the window, given how far the body is scrolled.
    // Fixed rows do not scroll vertically. Row or column is -1 where there is none.
    GridCellId CellFromPoint(QPoint point, QPoint scroll) const;
    // The rectangle of a cell in window coordinates.
    QRect CellRect(int row, int column, QPoint scroll) const;

    void SetSortColumn(int column) { m_sortColumn = column; }
    int GetSortColumn() const { return m_sortColumn; }
    void SetSortAscending(bool ascending) { m_sortAscending = ascending; }
    bool GetSortAscending() const { return m_sortAscending; }

    // Image columns show the hand cursor; kept as decimal texts, each once.
    void AddImageColumn(int column);
    bool IsImageColumn(int column) const;

    // Mouse over (row, column) (either -1 when there is none). Moves the hover row to a new
    // body row, giving its cells the hover background and the old row's cells the rest
    // background. Returns whether the hand cursor shows; oldHover receives the previous hover
    // row when it changed (else -1).
    bool TrackMouse(GridCellId cell, int* oldHover);
    int GetHoverRow() const { return m_hoverRow; }

    void EnableSelection(bool enable);
    bool IsSelectable() const { return m_selectionEnabled; }
    // A click on a cell: makes it the focus cell and the selection when selection is on.
    // Returns true when the selection changed.
    bool SelectCell(GridCellId cell);
    GridCellId GetFocusCell() const { return m_focus; }
    void ClearSelection();

    QColor m_gridBkColor{255, 255, 255};
    QColor m_gridLineColor{215, 215, 215};
    QColor m_fixedBkColor{236, 236, 236};
    QColor m_textColor{0, 0, 0};
    GridLines m_gridLines = GridLines::Both;
    bool m_editable = true;

private:
    void MarkGeometryDirty() const { m_rowTopsDirty = true; }
    void RebuildRowTops() const;
    void SetRowBackground(int row, const QColor& color);

    std::vector<std::vector<CGridCell>> m_rows;
    std::vector<int> m_rowHeights;
    std::vector<int> m_columnWidths;
    int m_fixedRows = 0;
    int m_fixedColumns = 0;
    int m_totalHeight = 0;
    int m_totalWidth = 0;
    mutable std::vector<int> m_rowTops; // prefix sums, rebuilt when heights change
    mutable bool m_rowTopsDirty = true;

    int m_sortColumn = -1;
    bool m_sortAscending = true;
    bool m_modified = false;
    QStringList m_imageColumns;
    int m_hoverRow = -1;
    bool m_selectionEnabled = true;
    GridCellId m_focus;
    std::vector<GridCellId> m_selected;
};

} // namespace lumicord
