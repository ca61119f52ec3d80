#include "ui/toolkit/WindowTranslation.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTextEdit>
#include <unordered_set>

#include "ui/toolkit/QtText.h"

namespace lumicord {
namespace {

constexpr qsizetype kMaxCaption = 2046;
constexpr qsizetype kMaxWindowText = 1022;

// Windows already translated; an entry goes when its window is destroyed, so a new window
// at a reused address is translated too.
std::unordered_set<const QObject*>& TranslatedWindows() {
    static std::unordered_set<const QObject*> windows;
    return windows;
}

// Adds the window to the list; false when it was there already.
bool MarkTranslated(QWidget* window) {
    if (!TranslatedWindows().insert(window).second)
        return false;
    QObject::connect(window, &QObject::destroyed, [window] { TranslatedWindows().erase(window); });
    return true;
}

// Edits, list and tree views, date, spin and progress controls keep their contents.
bool LeftAlone(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QProgressBar*>(widget);
}

// The window text of the widget kinds that have one; false for the others.
bool ReadWindowText(const QWidget* widget, QString& text) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        text = button->text();
    else if (const auto* label = qobject_cast<const QLabel*>(widget))
        text = label->text();
    else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        text = group->title();
    else
        return false;
    return true;
}

void WriteWindowText(QWidget* widget, const QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(text);
}

void TranslateChild(QWidget* child) {
    if (!MarkTranslated(child) || LeftAlone(child))
        return;
    if (auto* combo = qobject_cast<QComboBox*>(child)) {
        TranslateComboItems(combo);
        return;
    }
    QString text;
    if (!ReadWindowText(child, text))
        return;
    text.truncate(kMaxWindowText);
    if (text.isEmpty() || text == QLatin1String("..."))
        return;
    const QString translated = TranslateQText(text);
    if (!translated.isEmpty())
        WriteWindowText(child, translated);
}

} // namespace

void TranslateWindow(QWidget* dialog) {
    if (dialog == nullptr || !MarkTranslated(dialog))
        return;
    const QString caption = dialog->windowTitle().left(kMaxCaption);
    if (!caption.isEmpty()) {
        const QString translated = TranslateQText(caption);
        if (!translated.isEmpty() && translated != caption)
            dialog->setWindowTitle(translated);
    }
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
        // A combo box's own list and edit are parts of it, not controls of the dialog.
        if (child->parentWidget() != dialog && qobject_cast<QComboBox*>(child->parentWidget()))
            continue;
        TranslateChild(child);
    }
}

void TranslateMenu(QMenu* menu) {
    if (menu == nullptr)
        return;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QString text = action->text().left(kMaxCaption);
        const QString translated = TranslateQText(text);
        if (!translated.isEmpty() && translated != text)
            action->setText(translated); // the action keeps its submenu and its id
        if (action->menu() != nullptr)
            TranslateMenu(action->menu());
    }
}

void TranslateComboItems(QComboBox* combo) {
    if (combo == nullptr)
        return;
    const int selected = combo->currentIndex();
    for (int i = 0; i < combo->count(); ++i) {
        const QString text = combo->itemText(i);
        combo->removeItem(i);
        combo->insertItem(i, TranslateQText(text));
    }
    if (selected >= 0 && selected < combo->count())
        combo->setCurrentIndex(selected);
}

} // namespace lumicord
