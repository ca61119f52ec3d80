#include "ui/grid/GridCellStyle.h"

#include <map>
#include <tuple>

#include "ui/grid/CGridCtrl.h"
#include "ui/toolkit/ApplicationContext.h"
#include "ui/toolkit/ColorRefQt.h"
#include "ui/toolkit/QtText.h"
#include "ui/toolkit/SkinFont.h"

namespace lumicord {

QFont GridFont(const LogFontDescription& description) {
    // UI thread only, like every caller.
    static std::map<std::tuple<std::u16string, int, int>, QFont> cache;
    const auto key = std::make_tuple(description.face, description.height, description.weight);
    const auto found = cache.find(key);
    if (found != cache.end())
        return found->second;
    SkinFontLook look;
    look.face = ToQString(description.face);
    look.height = description.height;
    look.weight = description.weight;
    return cache.emplace(key, MakeSkinFont(look)).first->second;
}

void SetGridTitleCell(CGridCtrl& grid, int column, int width, const QString& text,
                      const CSettings& settings) {
    CGridCell* cell = grid.GetCell(0, column);
    if (cell != nullptr) {
        cell->SetFormat(GridFormat::kLeft | GridFormat::kTop);
        cell->SetFont(GridFont(settings.gridTitleLogFont));
        cell->SetTextClr(ToQColor(settings.gridTitleTextColor));
    }
    grid.SetColumnWidth(column, width);
    grid.SetItemText(0, column, text);
    if (cell != nullptr)
        cell->SetBackClr(ToQColor(settings.gridTitleBkColor));
}

void SetGridTitleCell(CGridCtrl& grid, int column, int width, const QString& text) {
    SetGridTitleCell(grid, column, width, text, ApplicationSettings());
}

void SetGridBodyCell(CGridCtrl& grid, int row, int column, const QString& text,
                     const CSettings& settings) {
    CGridCell* cell = grid.GetCell(row, column);
    if (cell != nullptr) {
        cell->SetFormat(GridFormat::kSingleLine | GridFormat::kVCenter | GridFormat::kLeft);
        cell->SetFont(GridFont(settings.gridBodyLogFont));
        cell->SetText(text);
        cell->SetTextClr(ToQColor(settings.gridTextColor));
    }
    if (row >= 0 && row < grid.GetRowCount()) {
        grid.SetRowHeight(row, settings.gridBodyRowHeight);
        grid.ResetScrollBars();
    }
}

void SetGridBodyCell(CGridCtrl& grid, int row, int column, const QString& text) {
    SetGridBodyCell(grid, row, column, text, ApplicationSettings());
}

} // namespace lumicord
