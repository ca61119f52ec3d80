#include "ui/pages/CEmptyPageDlg.h"

#include "ui/toolkit/ApplicationContext.h"
#include "ui/toolkit/WindowTranslation.h"

namespace lumicord {

CEmptyPageDlg::CEmptyPageDlg(int pageId, QWidget* parent) : CTDialog(pageId, parent) {
    TranslateWindow(this);
    m_fillEnabled = true;
    m_fillColor = ApplicationSettings().childBkColor;
    SetRoundCorners(this, rect());
}

} // namespace lumicord
