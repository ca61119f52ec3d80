// A push button drawn from four state images (normal, over, down, disable) over the backdrop
// it found when it first drew, with an optional text placed by an alignment code.
#pragma once

#include <QBasicTimer>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QPushButton>
#include <array>

#include "app/Settings.h"

namespace lumicord {

enum ButtonDrawState { kStateNormal = 0, kStateOver = 1, kStateDown = 2, kStateDisable = 3 };

// Alignment codes of the button text.
enum ButtonTextAlignment {
    kAlignLeftCentre = 0x100,
    kAlignRightCentre = 0x200,
    kAlignCentre = 0x300,
    kAlignLeftTop = 0x400,
    kAlignCentreTop = 0x700,
    kAlignLeftBottom = 0x800,
    kAlignCentreBottom = 0xB00,
};

// Where a text of `textSize` goes in a button of `client` size; never negative.
QPoint ButtonTextPosition(int alignment, int margin, QSize client, QSize textSize);

// The drawing state: disabled wins, then pressed, then hovering.
ButtonDrawState ButtonStateFor(bool enabled, bool down, bool hovering);

class CTButtonPicture : public QPushButton {
    Q_OBJECT
public:
    explicit CTButtonPicture(QWidget* parent = nullptr);
    ~CTButtonPicture() override;

    // Loads the four state images in order. A file that cannot be loaded leaves its state and
    // every later one without a picture. Redraws the button.
    void SetImages(const QString& normal, const QString& over, const QString& down,
                   const QString& disable);
    bool HasImage(ButtonDrawState state) const { return !m_images[state].isNull(); }
    const QImage& Image(ButtonDrawState state) const { return m_images[state]; }
    ButtonDrawState DrawState() const { return m_drawState; }
    bool Hovering() const { return m_hovering; }
    QPoint TextPosition() const { return m_textPosition; }

    // Look, set by the owning dialog before the first drawing.
    bool m_plain = false;
    bool m_pressedLook = false;
    ColorRef m_textColorNormal = 0xFFFFFF;
    ColorRef m_textColorActive = 0xFFFFFF;
    ColorRef m_textColorDisabled = 0xFFFFFF;
    int m_fontHeight = 16;
    int m_fontWeight = 0;
    QString m_faceName = QStringLiteral("Microsoft YaHei");
    bool m_underlineOnHover = false;
    bool m_frameOnHover = false;
    int m_alignment = kAlignCentre;
    int m_margin = 0;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void StartHover();
    void EndHover();
    void TakeBackdropOnce();
    void DrawImage(QPainter& painter, const QImage& image) const;
    void DrawText(QPainter& painter, ColorRef color, bool underline);
    bool CursorInside() const;

    std::array<QImage, 4> m_images;
    ButtonDrawState m_drawState = kStateNormal;
    bool m_hovering = false;
    bool m_enabled = true;
    bool m_backdropTaken = false;
    QPixmap m_backdrop;
    QPoint m_textPosition;
    QBasicTimer m_hoverTimer;
};

} // namespace lumicord
