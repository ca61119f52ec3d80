// A single-line field without the system border: it fills its own background, draws a rounded
// border whose colour follows enable, focus and hover, keeps a grey hint as its window text
// while it is empty and unfocused, and posts a message to its page on every text change.
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QRect>

#include "app/Settings.h"

class QProxyStyle;

namespace lumicord {

// The border colour for a state: disabled wins, then focus, then hover.
ColorRef EditBorderColorFor(bool enabled, bool focused, bool hovered, ColorRef normal,
                            ColorRef hover, ColorRef focus, ColorRef disabled);

class CTEditGdiplus : public QLineEdit {
    Q_OBJECT
public:
    explicit CTEditGdiplus(QWidget* parent = nullptr);

    // Enables the hint with its text and colour; redraws.
    void SetHint(const QString& text, ColorRef color);
    void SetFace(const QString& face, std::uint8_t charSet);
    // Builds the font from size, attributes and face and gives it to the field.
    void RebuildFont();
    // Text margins of 6 pixels at both sides, the line of "Ky" centred vertically.
    void RecomputeTextRect();
    // Posts kEditChangedMessage with `id` to `target` after each change of the text.
    void SetChangeNotification(QObject* target, int id);
    // Sets the text as real text, not as a shown hint (a password field hides it again).
    void SetRealText(const QString& text);
    // Plain text off makes a password field: "*" for each character, except while the field
    // shows its hint.
    void SetPlainText(bool plain);
    bool PlainText() const { return m_plainText; }

    bool Focused() const { return m_focused; }
    bool Hovered() const { return m_hovered; }
    bool HintShowing() const { return m_hintShowing; }
    bool TextEmpty() const { return m_textEmpty; }
    ColorRef BorderColor() const;
    ColorRef FillColor() const { return m_active ? m_backgroundColor : m_inactiveBackgroundColor; }
    ColorRef DrawnTextColor() const;
    QRect TextRect() const { return m_textRect; }

    int m_fontSize = 100; // tenths of a point
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
    QString m_faceName = QStringLiteral("Microsoft YaHei");
    std::uint8_t m_charSet = 1;
    ColorRef m_textColor = 0;
    ColorRef m_backgroundColor = 0xFFFFFF;
    ColorRef m_inactiveBackgroundColor = 0xDEDEDE;
    bool m_active = true;
    bool m_drawFrame = true;
    bool m_drawBorder = true;
    ColorRef m_borderColorNormal = MakeColorRef(102, 102, 153);
    ColorRef m_borderColorHover = MakeColorRef(0, 176, 88);
    ColorRef m_borderColorFocus = MakeColorRef(255, 163, 132);
    ColorRef m_borderColorDisabled = MakeColorRef(96, 96, 96);
    int m_radiusX = 0;
    int m_radiusY = 0;
    bool m_hintEnabled = false;
    QString m_hintText;
    ColorRef m_hintColor = MakeColorRef(192, 192, 192);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnTextChanged(const QString& text);
    void SetPasswordCharacter(bool on);
    void ApplyTextColor();
    void PaintBackground(QPainter& painter) const;

    bool m_focused = false;
    bool m_hovered = false;
    bool m_hintShowing = false;
    bool m_textEmpty = true;
    bool m_plainText = true;
    bool m_notifyChange = false;
    QPointer<QObject> m_notifyTarget;
    int m_notifyId = 0;
    QRect m_textRect;
    QProxyStyle* m_starStyle = nullptr;
};

// The look the anti-theft page and the template dialog give every text field: black on white,
// 9.6 point, corners of 4, grey-blue border turning red on hover and focus.
void ApplyStandardFieldStyle(CTEditGdiplus& edit);

} // namespace lumicord
