// A drawn text label: its own font, a colour per state (normal, hover, pressed, disabled),
// an optional fill and the alignment codes 0..8 with word wrapping.
#pragma once

#include <QFont>
#include <QLabel>

#include "app/Settings.h"
#include "ui/toolkit/StaticTextLayout.h"

namespace lumicord {

class CTStaticGdiplus : public QLabel {
    Q_OBJECT
public:
    explicit CTStaticGdiplus(QWidget* parent = nullptr);

    // Stores the text to draw and sets it as the window text as well; redraws.
    void SetText(const QString& text);
    void SetFaceName(const QString& face);
    void SetFont(int height, int weight, bool italic, bool underline, const QString& face,
                 bool strikeOut);
    // Repaints the label over a freshly painted parent background.
    void Redraw();

    // The text drawn: the stored text, or the window text when none is stored.
    QString DrawnText() const;
    ColorRef CurrentTextColor() const;
    const QFont& DrawFont() const { return m_font; }
    std::vector<StaticLine> Layout() const;

    ColorRef m_textColorNormal = 0x707070;
    ColorRef m_textColorHover = 0x707070;
    ColorRef m_textColorPressed = 0x707070;
    ColorRef m_textColorDisabled = 0x707070;
    ColorRef m_backgroundColor = 0;
    bool m_fillBackground = false;
    int m_alignment = kStaticLeftCentre;
    int m_lineSpacing = 0;
    bool m_checked = false;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void RebuildFont();

    int m_fontHeight = 15;
    int m_fontWeight = 0;
    bool m_italic = false;
    bool m_underline = false;
    bool m_strikeOut = false;
    QString m_faceName = QStringLiteral("Microsoft YaHei");
    QFont m_font;
    QString m_text;
    bool m_hovering = false;
    bool m_pressed = false;
    bool m_trackingArmed = true;
};

} // namespace lumicord
