// How the devices page styles its grid cells: title cells and body cells in the grid fonts
// and colours of the settings.
#pragma once

#include <QFont>
#include <QString>

#include "app/Settings.h"

namespace lumicord {

class CGridCtrl;

// The font for a grid font description of the settings (cached: the page styles every cell).
QFont GridFont(const LogFontDescription& description);

// Title cell (0, column): top-left text in the title font and colours; the column gets width.
// text is shown as given (the caller translates it).
void SetGridTitleCell(CGridCtrl& grid, int column, int width, const QString& text,
                      const CSettings& settings);
void SetGridTitleCell(CGridCtrl& grid, int column, int width, const QString& text);

// Body cell (row, column): single-line, vertically centred, left-aligned text in the body font
// and text colour; the row takes the body row height.
void SetGridBodyCell(CGridCtrl& grid, int row, int column, const QString& text,
                     const CSettings& settings);
void SetGridBodyCell(CGridCtrl& grid, int row, int column, const QString& text);

} // namespace lumicord
