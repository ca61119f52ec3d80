// The devices grid as the devices page builds it, for the grid benchmark and gallery: the six
// skin images, the title row and one body row per device.
#pragma once

#include <QString>

#include "app/SettingsFile.h"
#include "ui/grid/CGridCtrl.h"
#include "ui/grid/CGridImageList.h"
#include "ui/grid/GridCellStyle.h"
#include "ui/toolkit/ColorRefQt.h"

namespace lumicord::demo {

// Every setting at its default (no Setting.ini in the folder).
inline CSettings DefaultSettings() {
    return ReadSettings(std::string("/nonexistent-lumicord-dir/"));
}

inline void LoadSkinImages(CGridImageList& images) {
    const QString skin = QStringLiteral(LUMICORD_RESOURCES_DIR "/Skin/");
    for (const char* name : {"unselect.bmp", "select.bmp", "part_select.bmp", "success.bmp",
                             "error.bmp", "operating.bmp"})
        images.AddFile(skin + QLatin1String(name));
}

inline void SetUpGrid(CGridCtrl& grid, const CGridImageList& images, const CSettings& settings) {
    grid.SetImageList(&images);
    grid.EnableSelection(false);
    grid.SetGridBkColor(ToQColor(settings.childBkColor));
    grid.SetGridLineColor(ToQColor(settings.lineColor));
    grid.SetEditable(false);
    grid.SetGridLines(GridLines::Horizontal);
    grid.SetFixedRowCount(1);
    grid.SetColumnCount(4);
    grid.SetRowHeight(0, 38);
    SetGridTitleCell(grid, 0, 63, QString(), settings);
    SetGridTitleCell(grid, 1, 232, QStringLiteral("No."), settings);
    SetGridTitleCell(grid, 2, 341, QStringLiteral("MAC Address"), settings);
    SetGridTitleCell(grid, 3, 127, QStringLiteral("Status"), settings);
    grid.AddImageColumn(0);
    grid.AddImageColumn(3);
}

inline QString DeviceMac(int index) {
    return QStringLiteral("02:00:00:00:%1:%2")
        .arg(index / 256, 2, 16, QLatin1Char('0'))
        .arg(index % 256, 2, 16, QLatin1Char('0'))
        .toUpper();
}

// One body row per device, as the page fills it: check box image 0, number, MAC, and the
// status image statusImage(index) (6 shows none).
template <typename StatusImage>
void FillGrid(CGridCtrl& grid, int devices, const CSettings& settings, StatusImage statusImage) {
    grid.DeleteNonFixedRows();
    for (int i = 0; i < devices; ++i) {
        const QString number = QString::number(grid.GetRowCount());
        const int row = grid.InsertRow(QString());
        SetGridBodyCell(grid, row, 0, QString(), settings);
        SetGridBodyCell(grid, row, 1, number, settings);
        SetGridBodyCell(grid, row, 2, DeviceMac(i), settings);
        SetGridBodyCell(grid, row, 3, QString(), settings);
        grid.SetItemImage(row, 3, statusImage(i));
        grid.SetItemImage(row, 0, 0);
    }
    grid.SetItemImage(0, 0, 0);
}

} // namespace lumicord::demo
