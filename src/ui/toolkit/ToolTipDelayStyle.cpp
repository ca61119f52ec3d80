#include "ui/toolkit/ToolTipDelayStyle.h"

namespace lumicord {

int ToolTipDelayStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                 QStyleHintReturn* returnData) const {
    if (hint == QStyle::SH_ToolTip_WakeUpDelay)
        return kToolTipDelayMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace lumicord
