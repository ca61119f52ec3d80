// The look the anti-theft page and its two template dialogs share: white surface, light
// separators, dark-grey labels, the apply and cancel button pictures and the text fields.
#pragma once

#include <QString>

#include "app/Settings.h"

namespace lumicord {

class CTDialog;
class CTButtonPicture;
class CTEditGdiplus;

inline constexpr ColorRef kLabelColor = MakeColorRef(68, 68, 79);
inline constexpr ColorRef kSeparatorColor = MakeColorRef(235, 238, 237);
inline constexpr ColorRef kMarkColor = MakeColorRef(240, 58, 58);
inline constexpr ColorRef kOptionalColor = MakeColorRef(181, 181, 190);
inline constexpr ColorRef kTemplateTextColor = MakeColorRef(216, 34, 40);
inline constexpr ColorRef kHintColor = MakeColorRef(128, 128, 128);

// A label of `controlId` in "Microsoft YaHei" of `height` and `weight` in `color`.
void StyleLabel(CTDialog& dialog, int controlId, int height, int weight, ColorRef color);
// Widens label `controlId` to hold each of its lines unbroken (to the left when it is aligned
// to the right) and makes it tall enough for all of them. The tables were laid out for a
// narrower face than the stand-in font draws.
void FitLabel(CTDialog& dialog, int controlId);
void StyleSeparator(CTDialog& dialog, int controlId);
void StyleApplyButton(CTButtonPicture* button);
void StyleCancelButton(CTButtonPicture* button);
void StyleCloseButton(CTButtonPicture* button);
// Puts a skinned text field of at most `limit` characters in the place of edit `controlId`.
CTEditGdiplus* AttachField(CTDialog& dialog, int controlId, int limit);

} // namespace lumicord
