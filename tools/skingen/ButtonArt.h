// Button families of the skin, one image per state.
#pragma once

#include <QImage>
#include <QString>

namespace lumicord::skingen {

enum class ButtonState { Normal, Over, Down, Disable };

// A filled accent button (apply, scan, protection).
QImage FilledButton(QSize size, ButtonState state);
// A white outlined button (cancel, template, file choosing).
QImage OutlinedButton(QSize size, ButtonState state);
// The caption buttons on the title band: a minus or a cross in white.
QImage CaptionButton(bool cross, ButtonState state, bool ringed);
// The grey cross of pages and dialogs with their own close button.
QImage ChildCloseButton(bool light);
// A wide file-name button with a document or picture sign at its left.
QImage FileButton(QSize size, bool picture);
// The button that chooses a file: outlined, with a folder sign at its left.
QImage ChooseButton(QSize size);
// The enable switch, on or off.
QImage SwitchButton(bool on);
// The small link-like "Change" button.
QImage ChangeButton(QSize size);
// The drop-down arrow of the combo boxes.
QImage ComboArrow();

} // namespace lumicord::skingen
