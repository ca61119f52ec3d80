// The colours and measures of the skin: one accent red, calm greys and a light body.
#pragma once

#include <QColor>

namespace lumicord::skingen {

inline const QColor kAccent(216, 34, 40);
inline const QColor kAccentLight(232, 64, 70);
inline const QColor kAccentDark(182, 24, 30);
inline const QColor kAccentTint(251, 232, 233);
inline const QColor kInk(68, 68, 79);
inline const QColor kMutedInk(128, 128, 128);
inline const QColor kBorder(200, 202, 208);
inline const QColor kBody(244, 245, 247);
inline const QColor kBodyDim(232, 234, 238);
inline const QColor kDisabled(196, 198, 204);
inline const QColor kSuccess(46, 160, 90);
inline const QColor kWorking(232, 150, 30);

inline constexpr int kWindowWidth = 817;
inline constexpr int kWindowHeight = 540;
inline constexpr int kTitleBand = 48;

} // namespace lumicord::skingen
