// The application style with the tool-tip delay the windows use (500 ms).
#pragma once

#include <QProxyStyle>

namespace lumicord {

inline constexpr int kToolTipDelayMs = 500;

class ToolTipDelayStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

} // namespace lumicord
