// The 24 x 24 images of the devices grid, on white (white is their transparent colour), and
// the wait animation.
#pragma once

#include <QImage>
#include <vector>

#include "GifWriter.h"

namespace lumicord::skingen {

enum class CheckMark { None, Full, Partial };
enum class StatusMark { Success, Error, Operating };

QImage CheckBoxImage(CheckMark mark);
QImage StatusImage(StatusMark mark);

// A ring of dots turning on the accent colour, for the busy pictures over the red buttons.
std::vector<GifFrame> WaitFrames(int size, int frameCount);
std::vector<QColor> WaitPalette();

} // namespace lumicord::skingen
