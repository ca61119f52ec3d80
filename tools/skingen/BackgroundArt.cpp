#include "BackgroundArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "SkinPalette.h"

namespace lumicord::skingen {
namespace {

QFont Face(int pixels, QFont::Weight weight) {
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

// Three arcs over a dot: a signal reaching out, the program's sign.
void DrawSignalSign(QPainter& painter, const QRectF& box, const QColor& ink) {
    const QPointF base(box.center().x(), box.bottom() - box.height() * 0.22);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(base, box.width() * 0.08, box.width() * 0.08);
    painter.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const double r = box.width() * 0.16 * i;
        painter.setPen(QPen(ink, box.width() * 0.075, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(QRectF(base.x() - r, base.y() - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    }
}

void DrawTitleBand(QPainter& painter) {
    QLinearGradient band(0, 0, kWindowWidth, 0);
    band.setColorAt(0, kAccent);
    band.setColorAt(1, kAccentDark);
    painter.fillRect(QRect(0, 0, kWindowWidth, kTitleBand), band);
    DrawSignalSign(painter, QRectF(18, 10, 26, 26), Qt::white);
    painter.setPen(Qt::white);
    painter.setFont(Face(20, QFont::DemiBold));
    painter.drawText(QRect(52, 0, 300, kTitleBand), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("Lumicord"));
}

void DrawCardShadow(QPainter& painter, const QRect& card) {
    for (int spread = 8; spread >= 1; --spread) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(30, 34, 48, 5));
        painter.drawRoundedRect(QRectF(card).adjusted(-spread, -spread + 2, spread, spread + 2),
                                4 + spread, 4 + spread);
    }
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(card), 4, 4);
}

} // namespace

QImage MainBackground(const QColor& body, const std::vector<QRect>& cards) {
    QImage image(kWindowWidth, kWindowHeight, QImage::Format_RGB32);
    image.fill(body);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawTitleBand(painter);
    for (const QRect& card : cards)
        DrawCardShadow(painter, card);
    return image;
}

QImage MakerWordmark(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = Face(30, QFont::Bold);
    const QString name = QStringLiteral("Brimla");
    const int textWidth = QFontMetrics(font).horizontalAdvance(name);
    const int markSize = 30;
    const int left = (size.width() - markSize - 10 - textWidth) / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kAccent);
    const QRectF mark(left, (size.height() - markSize) / 2.0, markSize, markSize);
    painter.drawRoundedRect(mark, 7, 7);
    DrawSignalSign(painter, mark.adjusted(4, 4, -4, -4), Qt::white);
    painter.setPen(kInk);
    painter.setFont(font);
    painter.drawText(QRect(left + markSize + 10, 0, textWidth + 4, size.height()),
                     Qt::AlignVCenter | Qt::AlignLeft, name);
    return image;
}

QImage ApplicationIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, size);
    fill.setColorAt(0, kAccentLight);
    fill.setColorAt(1, kAccentDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(0, 0, size, size), size * 0.22, size * 0.22);
    DrawSignalSign(painter, QRectF(size * 0.16, size * 0.14, size * 0.68, size * 0.68), Qt::white);
    return image;
}

} // namespace lumicord::skingen
