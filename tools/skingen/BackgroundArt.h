// The main window backgrounds, the maker's wordmark and the application icon.
#pragma once

#include <QImage>
#include <QRect>
#include <vector>

namespace lumicord::skingen {

// The 817 x 540 window: the title band with the program's name over a body of `body`
// colour, with a soft shadow under each card at `cards` (the pages drawn over it).
QImage MainBackground(const QColor& body, const std::vector<QRect>& cards);
QImage MakerWordmark(QSize size);
QImage ApplicationIcon(int size);

} // namespace lumicord::skingen
