#include "ui/toolkit/CTButtonPicture.h"

#include <QCursor>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QTimerEvent>
#include <algorithm>

#include "ui/toolkit/CTDialog.h"
#include "ui/toolkit/ColorRefQt.h"
#include "ui/toolkit/SkinFont.h"

namespace lumicord {
namespace {
constexpr int kHoverPollMs = 10;
} // namespace

QPoint ButtonTextPosition(int alignment, int margin, QSize client, QSize textSize) {
    const int w = client.width();
    const int h = client.height();
    const int centreX = (w - textSize.width()) / 2;
    const int centreY = (h - textSize.height()) / 2;
    const int bottom = h - textSize.height();
    QPoint at;
    switch (alignment) {
    case kAlignLeftCentre:
        at = {margin + 2, centreY};
        break;
    case kAlignRightCentre:
        at = {w - textSize.width() - margin - 2, centreY};
        break;
    case kAlignCentre:
        at = {centreX, centreY};
        break;
    case kAlignCentreTop:
        at = {centreX, 0};
        break;
    case kAlignLeftBottom:
        at = {0, bottom};
        break;
    case kAlignCentreBottom:
        at = {centreX, bottom};
        break;
    default:
        at = {0, 0};
        break;
    }
    return {std::max(0, at.x()), std::max(0, at.y())};
}

ButtonDrawState ButtonStateFor(bool enabled, bool down, bool hovering) {
    if (!enabled)
        return kStateDisable;
    if (down)
        return kStateDown;
    return hovering ? kStateOver : kStateNormal;
}

CTButtonPicture::CTButtonPicture(QWidget* parent) : QPushButton(parent) {
    // Enter on a focused button is not a click in a skinned dialog.
    setAutoDefault(false);
    setDefault(false);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

CTButtonPicture::~CTButtonPicture() = default;

void CTButtonPicture::SetImages(const QString& normal, const QString& over, const QString& down,
                                const QString& disable) {
    const std::array<QString, 4> paths{normal, over, down, disable};
    m_images = {};
    for (std::size_t i = 0; i < paths.size(); ++i) {
        QImage image = paths[i].isEmpty() ? QImage() : QImage(paths[i]);
        if (image.isNull())
            break;
        m_images[i] = std::move(image);
    }
    update();
}

void CTButtonPicture::TakeBackdropOnce() {
    if (m_backdropTaken)
        return;
    m_backdropTaken = true;
    m_backdrop = QPixmap(size());
    m_backdrop.fill(Qt::transparent);
    if (const auto* dialog = qobject_cast<const CTDialog*>(parentWidget())) {
        QPainter painter(&m_backdrop);
        dialog->PaintBackground(painter, geometry());
    }
}

void CTButtonPicture::DrawImage(QPainter& painter, const QImage& image) const {
    if (image.isNull())
        return;
    if (image.width() <= width() && image.height() <= height())
        painter.drawImage(QPoint(0, 0), image);
    else
        painter.drawImage(rect(), image);
}

void CTButtonPicture::DrawText(QPainter& painter, ColorRef color, bool underline) {
    const QString caption = text();
    if (caption.isEmpty())
        return;
    SkinFontLook look{m_faceName, m_fontHeight, m_pressedLook ? 700 : m_fontWeight};
    look.underline = underline;
    const QFont font = MakeSkinFont(look);
    const QFontMetrics metrics(font);
    const QSize textSize(metrics.horizontalAdvance(caption), metrics.height());
    m_textPosition = ButtonTextPosition(m_alignment, m_margin, size(), textSize);
    painter.setFont(font);
    painter.setPen(ToQColor(color));
    painter.drawText(QRect(m_textPosition, textSize),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
}

void CTButtonPicture::paintEvent(QPaintEvent* event) {
    if (m_plain) {
        QPushButton::paintEvent(event);
        return;
    }
    TakeBackdropOnce();
    m_drawState = ButtonStateFor(m_enabled, isDown(), m_hovering);
    QPixmap canvas(size());
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.drawPixmap(0, 0, m_backdrop);
    ButtonDrawState imageState = m_pressedLook ? kStateDown : m_drawState;
    ColorRef color = m_textColorNormal;
    bool underline = false;
    if (m_pressedLook || m_drawState == kStateOver || m_drawState == kStateDown)
        color = m_textColorActive;
    if (!m_pressedLook && m_drawState == kStateOver)
        underline = m_underlineOnHover;
    if (!m_pressedLook && m_drawState == kStateDisable)
        color = m_textColorDisabled;
    DrawImage(painter, m_images[imageState]);
    if (m_drawState == kStateOver && m_frameOnHover) {
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(0, 0, width() - 1, height() - 1));
    }
    DrawText(painter, color, underline);
    painter.end();
    QPainter(this).drawPixmap(0, 0, canvas);
}

bool CTButtonPicture::CursorInside() const {
    return rect().contains(mapFromGlobal(QCursor::pos()));
}

void CTButtonPicture::StartHover() {
    if (m_hovering || !m_enabled)
        return;
    m_hovering = true;
    m_drawState = kStateOver;
    if (CursorInside())
        update();
    m_hoverTimer.start(kHoverPollMs, this);
}

void CTButtonPicture::mouseMoveEvent(QMouseEvent* event) {
    StartHover();
    QPushButton::mouseMoveEvent(event);
}

void CTButtonPicture::enterEvent(QEnterEvent* event) {
    StartHover();
    QPushButton::enterEvent(event);
}

void CTButtonPicture::leaveEvent(QEvent* event) {
    // The timer would notice within 10 ms; leaving ends the hover at once.
    if (m_hovering && !CursorInside())
        EndHover();
    QPushButton::leaveEvent(event);
}

void CTButtonPicture::EndHover() {
    m_hoverTimer.stop();
    m_hovering = false;
    m_drawState = kStateNormal;
    update();
}

void CTButtonPicture::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_hoverTimer.timerId()) {
        QPushButton::timerEvent(event);
        return;
    }
    if (!CursorInside())
        EndHover();
}

void CTButtonPicture::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange)
        m_enabled = isEnabled();
    QPushButton::changeEvent(event);
}

} // namespace lumicord
