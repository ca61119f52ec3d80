// Translation of whole windows, menus and combo boxes through TranslateText.
#pragma once

class QComboBox;
class QMenu;
class QWidget;

namespace lumicord {

// Translates the window's caption and the text of every descendant once per window. Text
// fields, lists, trees, date, progress and spin controls are left alone, "..." is never
// translated and an empty translation is never set.
void TranslateWindow(QWidget* dialog);

// Translates every item of the menu and of its submenus, keeping each submenu attached.
void TranslateMenu(QMenu* menu);

// Translates every item of the combo box, keeping the selected index.
void TranslateComboItems(QComboBox* combo);

} // namespace lumicord
