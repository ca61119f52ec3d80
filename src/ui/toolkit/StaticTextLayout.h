// Line breaking and placement of a label's text by its alignment code (0..8).
#pragma once

#include <QFontMetrics>
#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

namespace lumicord {

enum StaticAlignment {
    kStaticLeftTop = 0,
    kStaticRightTop = 1,
    kStaticLeftBottom = 3,
    kStaticCentre = 4,
    kStaticLeftCentre = 5,
    kStaticRightCentre = 6,
    kStaticCentreTop = 7,
    kStaticCentreBottom = 8,
};

struct StaticLine {
    QString text;
    QPoint position; // top-left corner of the line
};

// Breaks `text` into lines: a line feed always ends a line; otherwise a line takes as many
// characters as fit in `width`, ending after the last blank of those when a word would be
// cut. Every line holds at least one character, so breaking always ends.
std::vector<QString> BreakStaticText(const QString& text, int width, const QFontMetrics& metrics);

// The wrapped lines of `text` placed in a client area of `client` size.
std::vector<StaticLine> LayoutStaticText(const QString& text, int alignment, int lineSpacing,
                                         QSize client, const QFontMetrics& metrics);

} // namespace lumicord
