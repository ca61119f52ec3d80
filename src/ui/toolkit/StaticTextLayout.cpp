#include "ui/toolkit/StaticTextLayout.h"

#include <QStringList>
#include <algorithm>

namespace lumicord {
namespace {

// How many characters of `rest` start the next line.
qsizetype FittingLength(const QString& rest, int width, const QFontMetrics& metrics) {
    qsizetype fit = 1;
    while (fit < rest.size() && metrics.horizontalAdvance(rest.left(fit + 1)) <= width)
        ++fit;
    if (fit < rest.size() && !rest.at(fit).isSpace() && !rest.at(fit - 1).isSpace()) {
        const qsizetype blank = rest.left(fit).lastIndexOf(QLatin1Char(' '));
        if (blank > 0)
            fit = blank + 1;
    }
    return fit;
}

bool CentredHorizontally(int alignment) {
    return alignment == kStaticCentre || alignment == kStaticCentreTop ||
           alignment == kStaticCentreBottom;
}

bool RightAligned(int alignment) {
    return alignment == kStaticRightTop || alignment == kStaticRightCentre;
}

int BlockTop(int alignment, int freeHeight) {
    switch (alignment) {
    case kStaticLeftBottom:
    case kStaticCentreBottom:
        return freeHeight;
    case kStaticCentre:
    case kStaticLeftCentre:
    case kStaticRightCentre:
        return freeHeight / 2;
    default:
        return 0;
    }
}

} // namespace

std::vector<QString> BreakStaticText(const QString& text, int width, const QFontMetrics& metrics) {
    std::vector<QString> lines;
    QString normalised = text;
    normalised.remove(QLatin1Char('\r'));
    for (const QString& paragraph : normalised.split(QLatin1Char('\n'))) {
        QString rest = paragraph;
        if (rest.isEmpty()) {
            lines.emplace_back();
            continue;
        }
        while (!rest.isEmpty()) {
            const qsizetype fit = FittingLength(rest, width, metrics);
            lines.push_back(rest.left(fit));
            rest = rest.mid(fit);
            // A wrapped line does not start with the blanks it was broken at.
            qsizetype blanks = 0;
            while (blanks < rest.size() && rest.at(blanks) == QLatin1Char(' '))
                ++blanks;
            rest = rest.mid(blanks);
        }
    }
    return lines;
}

std::vector<StaticLine> LayoutStaticText(const QString& text, int alignment, int lineSpacing,
                                         QSize client, const QFontMetrics& metrics) {
    const std::vector<QString> lines = BreakStaticText(text, client.width(), metrics);
    const int lineHeight = metrics.height();
    const int count = static_cast<int>(lines.size());
    const int freeHeight = std::max(0, client.height() - count * lineHeight);
    // Code 8 centres its lines, but a text wider than the control starts at the left edge.
    bool leftOverride = false;
    if (alignment == kStaticCentreBottom) {
        QString unbroken = text;
        unbroken.remove(QLatin1Char('\r'));
        for (const QString& paragraph : unbroken.split(QLatin1Char('\n')))
            leftOverride = leftOverride || metrics.horizontalAdvance(paragraph) > client.width();
    }
    std::vector<StaticLine> placed;
    int y = BlockTop(alignment, freeHeight);
    for (const QString& line : lines) {
        const int freeWidth = std::max(0, client.width() - metrics.horizontalAdvance(line));
        int x = 0;
        if (RightAligned(alignment))
            x = freeWidth;
        else if (CentredHorizontally(alignment) && !leftOverride)
            x = freeWidth / 2;
        placed.push_back({line, QPoint(x, y)});
        y += lineHeight + lineSpacing;
    }
    return placed;
}

} // namespace lumicord
