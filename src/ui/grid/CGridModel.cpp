#include "ui/grid/CGridModel.h"

#include <algorithm>

namespace lumicord {

bool CGridModel::SetRowCount(int count) {
    if (count < 0)
        return false;
    const auto rows = static_cast<std::size_t>(count);
    const std::size_t columns = m_columnWidths.size();
    while (m_rows.size() > rows) {
        m_totalHeight -= m_rowHeights.back();
        m_rows.pop_back();
        m_rowHeights.pop_back();
    }
    while (m_rows.size() < rows) {
        m_rows.emplace_back(columns);
        m_rowHeights.push_back(kDefaultRowHeight);
        m_totalHeight += kDefaultRowHeight;
    }
    m_fixedRows = std::min(m_fixedRows, count);
    if (m_hoverRow >= count)
        m_hoverRow = -1;
    if (m_focus.row >= count)
        m_focus = {};
    std::erase_if(m_selected, [count](const GridCellId& id) { return id.row >= count; });
    MarkGeometryDirty();
    return true;
}

bool CGridModel::SetColumnCount(int count) {
    if (count < 0)
        return false;
    const auto columns = static_cast<std::size_t>(count);
    for (auto& row : m_rows)
        row.resize(columns);
    while (m_columnWidths.size() > columns) {
        m_totalWidth -= m_columnWidths.back();
        m_columnWidths.pop_back();
    }
    while (m_columnWidths.size() < columns) {
        m_columnWidths.push_back(kDefaultColumnWidth);
        m_totalWidth += kDefaultColumnWidth;
    }
    m_fixedColumns = std::min(m_fixedColumns, count);
    if (m_focus.column >= count)
        m_focus = {};
    std::erase_if(m_selected, [count](const GridCellId& id) { return id.column >= count; });
    if (m_sortColumn >= count)
        m_sortColumn = -1;
    return true;
}

bool CGridModel::SetFixedRowCount(int count) {
    if (count < 0)
        return false;
    if (GetRowCount() < count)
        SetRowCount(count);
    m_fixedRows = count;
    return true;
}

bool CGridModel::SetFixedColumnCount(int count) {
    if (count < 0)
        return false;
    if (GetColumnCount() < count)
        SetColumnCount(count);
    m_fixedColumns = count;
    return true;
}

int CGridModel::InsertRow(const QString& heading) {
    ClearSelection();
    if (GetColumnCount() == 0)
        SetColumnCount(1);
    SetRowCount(GetRowCount() + 1);
    const int row = GetRowCount() - 1;
    m_rows.back().front().SetText(heading);
    return row;
}

void CGridModel::DeleteNonFixedRows() {
    ClearSelection();
    SetRowCount(m_fixedRows);
}

bool CGridModel::IsValid(int row, int column) const {
    return row >= 0 && column >= 0 && row < GetRowCount() && column < GetColumnCount();
}

CGridCell* CGridModel::GetCell(int row, int column) {
    if (!IsValid(row, column))
        return nullptr;
    return &m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

const CGridCell* CGridModel::GetCell(int row, int column) const {
    return const_cast<CGridModel*>(this)->GetCell(row, column);
}

bool CGridModel::SetItemText(int row, int column, const QString& text) {
    CGridCell* cell = GetCell(row, column);
    if (cell == nullptr)
        return false;
    cell->SetText(text);
    return true;
}

QString CGridModel::GetItemText(int row, int column) const {
    const CGridCell* cell = GetCell(row, column);
    return cell != nullptr ? cell->GetText() : QString();
}

bool CGridModel::SetItemImage(int row, int column, int image) {
    CGridCell* cell = GetCell(row, column);
    if (cell == nullptr)
        return false;
    cell->SetImage(image);
    SetModified(row, column);
    return true;
}

int CGridModel::GetItemImage(int row, int column) const {
    const CGridCell* cell = GetCell(row, column);
    return cell != nullptr ? cell->GetImage() : -1;
}

bool CGridModel::SetModified(int row, int column) {
    bool sortCleared = false;
    if (m_sortColumn >= 0 && (column < 0 || column == m_sortColumn)) {
        m_sortColumn = -1;
        sortCleared = true;
    }
    if (CGridCell* cell = GetCell(row, column))
        cell->SetState(cell->GetState() | GridCellState::kModified);
    m_modified = true;
    return sortCleared;
}

bool CGridModel::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= GetColumnCount() || width < 0)
        return false;
    int& stored = m_columnWidths[static_cast<std::size_t>(column)];
    m_totalWidth += width - stored;
    stored = width;
    return true;
}

int CGridModel::GetColumnWidth(int column) const {
    if (column < 0 || column >= GetColumnCount())
        return 0;
    return m_columnWidths[static_cast<std::size_t>(column)];
}

bool CGridModel::SetRowHeight(int row, int height) {
    if (row < 0 || row >= GetRowCount() || height < 0)
        return false;
    int& stored = m_rowHeights[static_cast<std::size_t>(row)];
    if (stored != height) {
        m_totalHeight += height - stored;
        stored = height;
        MarkGeometryDirty();
    }
    return true;
}

int CGridModel::GetRowHeight(int row) const {
    if (row < 0 || row >= GetRowCount())
        return 0;
    return m_rowHeights[static_cast<std::size_t>(row)];
}

void CGridModel::RebuildRowTops() const {
    if (!m_rowTopsDirty)
        return;
    m_rowTops.resize(m_rowHeights.size() + 1);
    int top = 0;
    for (std::size_t i = 0; i < m_rowHeights.size(); ++i) {
        m_rowTops[i] = top;
        top += m_rowHeights[i];
    }
    m_rowTops.back() = top;
    m_rowTopsDirty = false;
}

int CGridModel::RowTop(int row) const {
    RebuildRowTops();
    row = std::clamp(row, 0, GetRowCount());
    return m_rowTops[static_cast<std::size_t>(row)];
}

int CGridModel::ColumnLeft(int column) const {
    int left = 0;
    for (int c = 0; c < column && c < GetColumnCount(); ++c)
        left += m_columnWidths[static_cast<std::size_t>(c)];
    return left;
}

int CGridModel::FixedRowsHeight() const {
    // Summed directly: the scroll bars ask after every height change, and a rebuild of all
    // row tops each time would make filling the grid quadratic.
    int height = 0;
    for (int r = 0; r < m_fixedRows; ++r)
        height += m_rowHeights[static_cast<std::size_t>(r)];
    return height;
}

int CGridModel::BodyRowAt(int y) const {
    RebuildRowTops();
    // m_rowTops[i + 1] is the bottom of row i: find the first bottom past y.
    const auto begin = m_rowTops.begin() + 1 + m_fixedRows;
    const auto it = std::upper_bound(begin, m_rowTops.end(), y);
    return static_cast<int>(it - (m_rowTops.begin() + 1));
}

GridCellId CGridModel::CellFromPoint(QPoint point, QPoint scroll) const {
    GridCellId id;
    if (point.x() < 0 || point.y() < 0)
        return id;
    const int x = point.x() + scroll.x();
    for (int c = 0, left = 0; c < GetColumnCount(); ++c) {
        left += GetColumnWidth(c);
        if (x < left) {
            id.column = c;
            break;
        }
    }
    const int fixedHeight = FixedRowsHeight();
    if (point.y() < fixedHeight) {
        for (int r = 0; r < m_fixedRows; ++r) {
            if (point.y() < RowTop(r + 1)) {
                id.row = r;
                break;
            }
        }
    } else {
        const int row = BodyRowAt(point.y() + scroll.y());
        id.row = row < GetRowCount() ? row : -1;
    }
    return id;
}

QRect CGridModel::CellRect(int row, int column, QPoint scroll) const {
    if (!IsValid(row, column))
        return {};
    const int top = RowTop(row) - (row < m_fixedRows ? 0 : scroll.y());
    return QRect(ColumnLeft(column) - scroll.x(), top, GetColumnWidth(column), GetRowHeight(row));
}

void CGridModel::AddImageColumn(int column) {
    const QString text = QString::number(column);
    if (!m_imageColumns.contains(text))
        m_imageColumns.append(text);
}

bool CGridModel::IsImageColumn(int column) const {
    return column >= 0 && m_imageColumns.contains(QString::number(column));
}

void CGridModel::SetRowBackground(int row, const QColor& color) {
    if (row < 0 || row >= GetRowCount())
        return;
    for (CGridCell& cell : m_rows[static_cast<std::size_t>(row)])
        cell.SetBackClr(color);
}

bool CGridModel::TrackMouse(GridCellId cell, int* oldHover) {
    if (oldHover != nullptr)
        *oldHover = -1;
    if (cell.IsValid() && cell.row < m_fixedRows)
        return true;
    if (cell.IsValid() && cell.row != m_hoverRow) {
        if (oldHover != nullptr)
            *oldHover = m_hoverRow;
        SetRowBackground(m_hoverRow, kRestBkColor);
        SetRowBackground(cell.row, kHoverBkColor);
        m_hoverRow = cell.row;
    }
    return IsImageColumn(cell.column);
}

void CGridModel::EnableSelection(bool enable) {
    ClearSelection();
    m_selectionEnabled = enable;
    ClearSelection();
}

void CGridModel::ClearSelection() {
    for (const GridCellId& id : m_selected) {
        if (CGridCell* cell = GetCell(id.row, id.column))
            cell->SetState(cell->GetState() & ~GridCellState::kSelected);
    }
    m_selected.clear();
    if (CGridCell* cell = GetCell(m_focus.row, m_focus.column))
        cell->SetState(cell->GetState() & ~GridCellState::kFocused);
    m_focus = {};
}

bool CGridModel::SelectCell(GridCellId id) {
    if (!m_selectionEnabled || !IsValid(id.row, id.column) || id.row < m_fixedRows)
        return false;
    if (m_focus == id)
        return false;
    ClearSelection();
    CGridCell* cell = GetCell(id.row, id.column);
    cell->SetState(cell->GetState() | GridCellState::kSelected | GridCellState::kFocused);
    m_selected.push_back(id);
    m_focus = id;
    return true;
}

} // namespace lumicord
