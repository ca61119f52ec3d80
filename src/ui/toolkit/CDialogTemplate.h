// A dialog template: the window's size and caption and every control's id, kind, place and
// text, read from the declarative table compiled into the program (resources/Templates).
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

namespace lumicord {

enum class ControlKind {
    Button,  // CTButtonPicture
    Static,  // CTStaticGdiplus
    Line,    // CColorLine
    Edit,    // a single-line text field
    Combo,   // a drop-down list
    Picture, // a still or animated picture
    Custom,  // a place holder the page fills itself
};

struct DialogControl {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    QRect rect;
    QString text;
    bool visible = true;
};

struct CDialogTemplate {
    int id = 0;
    QSize size;
    QString caption;
    QString face;  // the template's font
    QString style; // "popup" (borderless), "caption" (framed) or "child"
    std::vector<DialogControl> controls;

    const DialogControl* Find(int controlId) const;
};

// Parses a template table (JSON); empty on malformed input.
std::optional<CDialogTemplate> ParseDialogTemplate(const QByteArray& json);

// The compiled-in template with this id; empty when there is none.
std::optional<CDialogTemplate> LoadDialogTemplate(int templateId);

} // namespace lumicord
