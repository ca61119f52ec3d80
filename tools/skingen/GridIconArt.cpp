#include "GridIconArt.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "SkinPalette.h"

namespace lumicord::skingen {
namespace {

QImage WhiteTile() {
    QImage image(24, 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

QImage CheckBoxImage(CheckMark mark) {
    QImage image = WhiteTile();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(5.5, 5.5, 13, 13);
    if (mark == CheckMark::None) {
        painter.setPen(QPen(QColor(170, 172, 180), 1));
        painter.setBrush(QColor(252, 252, 253));
        painter.drawRoundedRect(box, 2.5, 2.5);
        return image;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kAccent);
    painter.drawRoundedRect(box, 2.5, 2.5);
    painter.setPen(QPen(QColor(254, 254, 254), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (mark == CheckMark::Full) {
        QPainterPath tick;
        tick.moveTo(8.5, 12);
        tick.lineTo(11, 14.5);
        tick.lineTo(15.5, 9.5);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    } else {
        painter.drawLine(QPointF(8.5, 12), QPointF(15.5, 12));
    }
    return image;
}

QImage StatusImage(StatusMark mark) {
    QImage image = WhiteTile();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = mark == StatusMark::Success ? kSuccess
                          : mark == StatusMark::Error ? kAccent
                                                      : kWorking;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(3, 3, 18, 18));
    painter.setPen(QPen(QColor(254, 254, 254), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    if (mark == StatusMark::Success) {
        QPainterPath tick;
        tick.moveTo(7.5, 12.5);
        tick.lineTo(10.5, 15.5);
        tick.lineTo(16.5, 9);
        painter.drawPath(tick);
    } else if (mark == StatusMark::Error) {
        painter.drawLine(QPointF(8.5, 8.5), QPointF(15.5, 15.5));
        painter.drawLine(QPointF(15.5, 8.5), QPointF(8.5, 15.5));
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(254, 254, 254));
        for (int i = 0; i < 3; ++i)
            painter.drawEllipse(QPointF(8 + i * 4, 12), 1.5, 1.5);
    }
    return image;
}

std::vector<QColor> WaitPalette() {
    std::vector<QColor> palette;
    // Blends from the accent to white, so antialiased dots keep their shades.
    for (int i = 0; i < 256; ++i) {
        const double t = i / 255.0;
        palette.emplace_back(static_cast<int>(kAccent.red() + (255 - kAccent.red()) * t),
                             static_cast<int>(kAccent.green() + (255 - kAccent.green()) * t),
                             static_cast<int>(kAccent.blue() + (255 - kAccent.blue()) * t));
    }
    return palette;
}

std::vector<GifFrame> WaitFrames(int size, int frameCount) {
    std::vector<GifFrame> frames;
    const int dots = 8;
    const double radius = size * 0.36;
    const double dot = size * 0.1;
    for (int f = 0; f < frameCount; ++f) {
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(kAccent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        for (int d = 0; d < dots; ++d) {
            const int age = (f - d + dots * 4) % dots; // 0 is the head of the ring
            const double angle = 2 * M_PI * d / dots - M_PI / 2;
            QColor colour = Qt::white;
            colour.setAlphaF(1.0 - age * 0.11);
            painter.setBrush(colour);
            painter.drawEllipse(QPointF(size / 2.0 + radius * std::cos(angle),
                                        size / 2.0 + radius * std::sin(angle)),
                                dot * (1.0 - age * 0.05), dot * (1.0 - age * 0.05));
        }
        painter.end();
        frames.push_back({image, 9, 1});
    }
    return frames;
}

} // namespace lumicord::skingen
