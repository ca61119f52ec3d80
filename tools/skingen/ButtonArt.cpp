#include "ButtonArt.h"

#include <QPainter>
#include <QPainterPath>

#include "SkinPalette.h"

namespace lumicord::skingen {
namespace {

QImage Blank(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void Smooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
}

QRectF Inset(QSize size) {
    return QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
}

QColor FillFor(ButtonState state) {
    switch (state) {
    case ButtonState::Over:
        return kAccentLight;
    case ButtonState::Down:
        return kAccentDark;
    case ButtonState::Disable:
        return kDisabled;
    default:
        return kAccent;
    }
}

} // namespace

QImage FilledButton(QSize size, ButtonState state) {
    QImage image = Blank(size);
    QPainter painter(&image);
    Smooth(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(FillFor(state));
    painter.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)), 4, 4);
    return image;
}

QImage OutlinedButton(QSize size, ButtonState state) {
    QImage image = Blank(size);
    QPainter painter(&image);
    Smooth(painter);
    QColor border = kBorder;
    QColor fill = Qt::white;
    if (state == ButtonState::Over)
        border = kAccent;
    if (state == ButtonState::Down) {
        border = kAccent;
        fill = kAccentTint;
    }
    if (state == ButtonState::Disable)
        fill = kBody;
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(Inset(size), 4, 4);
    return image;
}

QImage CaptionButton(bool cross, ButtonState state, bool ringed) {
    QImage image = Blank(QSize(16, 16));
    QPainter painter(&image);
    Smooth(painter);
    if (state != ButtonState::Normal || ringed) {
        const int alpha = state == ButtonState::Down ? 90 : (state == ButtonState::Over ? 60 : 34);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, alpha));
        painter.drawEllipse(QRectF(0, 0, 16, 16));
    }
    painter.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    if (cross) {
        painter.drawLine(QPointF(5, 5), QPointF(11, 11));
        painter.drawLine(QPointF(11, 5), QPointF(5, 11));
    } else {
        painter.drawLine(QPointF(4.5, 8.5), QPointF(11.5, 8.5));
    }
    return image;
}

QImage ChildCloseButton(bool light) {
    QImage image = Blank(QSize(16, 16));
    QPainter painter(&image);
    Smooth(painter);
    painter.setPen(QPen(light ? QColor(150, 150, 158) : kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(4, 4), QPointF(12, 12));
    painter.drawLine(QPointF(12, 4), QPointF(4, 12));
    return image;
}

QImage FileButton(QSize size, bool picture) {
    QImage image = Blank(size);
    QPainter painter(&image);
    Smooth(painter);
    painter.setPen(QPen(kBorder, 1));
    painter.setBrush(kBody);
    painter.drawRoundedRect(Inset(size), 4, 4);
    const QRectF sign(9, (size.height() - 16) / 2.0, 13, 16);
    painter.setPen(QPen(kAccent, 1.3));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(sign, 2, 2);
    if (picture) {
        QPainterPath hill;
        hill.moveTo(sign.left() + 2, sign.bottom() - 3);
        hill.lineTo(sign.left() + 6, sign.bottom() - 8);
        hill.lineTo(sign.right() - 2, sign.bottom() - 3);
        painter.drawPath(hill);
        painter.drawEllipse(QPointF(sign.right() - 4, sign.top() + 4), 1.5, 1.5);
    } else {
        for (int i = 0; i < 3; ++i) {
            const double y = sign.top() + 5 + i * 3.5;
            painter.drawLine(QPointF(sign.left() + 3, y), QPointF(sign.right() - 3, y));
        }
    }
    return image;
}

QImage ChooseButton(QSize size) {
    QImage image = OutlinedButton(size, ButtonState::Normal);
    QPainter painter(&image);
    Smooth(painter);
    const double top = (size.height() - 12) / 2.0;
    QPainterPath folder;
    folder.moveTo(12, top + 12);
    folder.lineTo(12, top);
    folder.lineTo(18, top);
    folder.lineTo(20, top + 2);
    folder.lineTo(28, top + 2);
    folder.lineTo(28, top + 12);
    folder.closeSubpath();
    painter.setPen(QPen(kAccent, 1.3));
    painter.setBrush(kAccentTint);
    painter.drawPath(folder);
    return image;
}

QImage SwitchButton(bool on) {
    QImage image = Blank(QSize(28, 16));
    QPainter painter(&image);
    Smooth(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(on ? kAccent : kDisabled);
    painter.drawRoundedRect(QRectF(0, 0, 28, 16), 8, 8);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(on ? 14 : 2, 2, 12, 12));
    return image;
}

QImage ChangeButton(QSize size) {
    QImage image = Blank(size);
    QPainter painter(&image);
    Smooth(painter);
    painter.setPen(QPen(kAccent, 1));
    painter.setBrush(kAccentTint);
    painter.drawRoundedRect(Inset(size), 3, 3);
    return image;
}

QImage ComboArrow() {
    QImage image = Blank(QSize(16, 16));
    QPainter painter(&image);
    Smooth(painter);
    painter.setPen(QPen(kMutedInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath chevron;
    chevron.moveTo(4, 6);
    chevron.lineTo(8, 10);
    chevron.lineTo(12, 6);
    painter.drawPath(chevron);
    return image;
}

} // namespace lumicord::skingen
