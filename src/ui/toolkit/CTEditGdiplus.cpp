#include "ui/toolkit/CTEditGdiplus.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QProxyStyle>

#include "ui/toolkit/ColorRefQt.h"
#include "ui/toolkit/SkinFont.h"
#include "ui/toolkit/WindowMessageEvent.h"

namespace lumicord {
namespace {

constexpr int kTextInset = 6;
constexpr int kMaxFaceLength = 31;

// Shows each character of a password field as "*".
class StarPasswordStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_LineEdit_PasswordCharacter)
            return '*';
        if (hint == QStyle::SH_LineEdit_PasswordMaskDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

ColorRef EditBorderColorFor(bool enabled, bool focused, bool hovered, ColorRef normal,
                            ColorRef hover, ColorRef focus, ColorRef disabled) {
    if (!enabled)
        return disabled;
    if (focused)
        return focus;
    if (hovered)
        return hover;
    return normal;
}

CTEditGdiplus::CTEditGdiplus(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setAttribute(Qt::WA_Hover);
    m_starStyle = new StarPasswordStyle();
    m_starStyle->setParent(this);
    setStyle(m_starStyle);
    connect(this, &QLineEdit::textChanged, this, &CTEditGdiplus::OnTextChanged);
    RebuildFont();
    ApplyTextColor();
}

void CTEditGdiplus::SetHint(const QString& text, ColorRef color) {
    m_hintEnabled = true;
    m_hintText = text;
    m_hintColor = color;
    ApplyTextColor();
    update();
}

void CTEditGdiplus::SetFace(const QString& face, std::uint8_t charSet) {
    m_faceName = face;
    m_charSet = charSet;
    RebuildFont();
}

void CTEditGdiplus::RebuildFont() {
    RegisterFontSubstitutes();
    QFont font(m_faceName.left(kMaxFaceLength));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(m_fontSize / 10.0);
    font.setWeight(m_bold ? QFont::Bold : QFont::Normal);
    font.setItalic(m_italic);
    font.setUnderline(m_underline);
    setFont(font);
    RecomputeTextRect();
}

void CTEditGdiplus::RecomputeTextRect() {
    const int lineHeight = QFontMetrics(font()).boundingRect(QStringLiteral("Ky")).height();
    const int top = (height() - lineHeight) / 2;
    m_textRect = QRect(kTextInset, top, std::max(0, width() - 2 * kTextInset), lineHeight);
    // QLineEdit centres its line itself; only the side margins need setting.
    setTextMargins(kTextInset, 0, kTextInset, 0);
}

void CTEditGdiplus::SetChangeNotification(QObject* target, int id) {
    m_notifyChange = target != nullptr;
    m_notifyTarget = target;
    m_notifyId = id;
}

void CTEditGdiplus::SetRealText(const QString& text) {
    m_hintShowing = false;
    SetPasswordCharacter(!m_plainText);
    setText(text);
    ApplyTextColor();
}

void CTEditGdiplus::SetPlainText(bool plain) {
    m_plainText = plain;
    if (!m_hintShowing)
        SetPasswordCharacter(!m_plainText);
}

ColorRef CTEditGdiplus::BorderColor() const {
    return EditBorderColorFor(isEnabled(), m_focused, m_hovered, m_borderColorNormal,
                              m_borderColorHover, m_borderColorFocus, m_borderColorDisabled);
}

ColorRef CTEditGdiplus::DrawnTextColor() const {
    return (m_hintEnabled && m_hintShowing && !m_focused) ? m_hintColor : m_textColor;
}

void CTEditGdiplus::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (m_focused)
        return; // back from our own context menu
    m_focused = true;
    if (m_hintShowing) {
        m_hintShowing = false;
        clear();
        SetPasswordCharacter(!m_plainText);
    }
    ApplyTextColor();
    update();
}

void CTEditGdiplus::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason)
        return; // the context menu keeps the field in use
    m_focused = false;
    if (text().isEmpty()) {
        m_hintShowing = true;
        SetPasswordCharacter(false);
        setText(m_hintText);
    }
    ApplyTextColor();
    update();
}

void CTEditGdiplus::enterEvent(QEnterEvent* event) {
    QLineEdit::enterEvent(event);
    if (!m_hovered) {
        m_hovered = true;
        update();
    }
}

void CTEditGdiplus::leaveEvent(QEvent* event) {
    QLineEdit::leaveEvent(event);
    if (m_hovered) {
        m_hovered = false;
        update();
    }
}

void CTEditGdiplus::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    RecomputeTextRect();
}

void CTEditGdiplus::OnTextChanged(const QString& text) {
    m_textEmpty = text.isEmpty();
    ApplyTextColor();
    update();
    if (m_notifyChange && m_notifyTarget)
        PostWindowMessage(m_notifyTarget, kEditChangedMessage, std::uintptr_t(m_notifyId), 0);
}

void CTEditGdiplus::SetPasswordCharacter(bool on) {
    setEchoMode(on ? QLineEdit::Password : QLineEdit::Normal);
}

void CTEditGdiplus::ApplyTextColor() {
    QPalette look = palette();
    look.setColor(QPalette::Text, ToQColor(DrawnTextColor()));
    look.setColor(QPalette::Base, Qt::transparent);
    setPalette(look);
}

void CTEditGdiplus::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        PaintBackground(painter);
    }
    QLineEdit::paintEvent(event);
}

void CTEditGdiplus::PaintBackground(QPainter& painter) const {
    painter.fillRect(rect(), ToQColor(FillColor()));
    if (!m_drawFrame || !m_drawBorder)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ToQColor(BorderColor()), 1));
    painter.setBrush(Qt::NoBrush);
    // Pixel centres, so the one-pixel line covers the outermost pixels, right and bottom
    // one pixel in.
    const QRectF frame = QRectF(rect().adjusted(0, 0, -1, -1)).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.drawRoundedRect(frame, m_radiusX, m_radiusY);
}

void ApplyStandardFieldStyle(CTEditGdiplus& edit) {
    edit.m_textColor = 0;
    edit.m_backgroundColor = 0xFFFFFF;
    edit.m_fontSize = 96;
    edit.m_radiusX = 4;
    edit.m_radiusY = 4;
    edit.m_borderColorNormal = MakeColorRef(213, 213, 220);
    edit.m_borderColorHover = MakeColorRef(216, 34, 40);
    edit.m_borderColorFocus = MakeColorRef(216, 34, 40);
    edit.m_borderColorDisabled = 0;
    edit.SetFace(QStringLiteral("Microsoft YaHei"), 1);
    edit.RecomputeTextRect();
}

} // namespace lumicord
