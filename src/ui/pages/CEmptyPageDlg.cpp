#include "ui/pages/CEmptyPageDlg.h"

#include "ui/toolkit/ApplicationContext.h"
#include "ui/toolkit/CTStaticGdiplus.h"
#include "ui/toolkit/WindowTranslation.h"

namespace lumicord {

CEmptyPageDlg::CEmptyPageDlg(int pageId, QWidget* parent)
    : CTDialog(pageId, parent), m_pageId(pageId), m_caption(new CTStaticGdiplus(this)) {
    TranslateWindow(this);
    m_fillEnabled = true;
    m_fillColor = ApplicationSettings().childBkColor;
    m_caption->setGeometry(rect());
    m_caption->SetFont(16, 400, false, false, QStringLiteral("Microsoft YaHei"), false);
    m_caption->m_textColorNormal = MakeColorRef(128, 128, 128);
    m_caption->m_alignment = kStaticCentre;
    ShowCaption();
    SetRoundCorners(this, rect());
}

void CEmptyPageDlg::SetSelectedDevices(const std::vector<std::string>& macs) {
    m_selected = macs;
    ShowCaption();
}

void CEmptyPageDlg::ShowCaption() {
    QString text = QStringLiteral("Page %1").arg(m_pageId);
    if (!m_selected.empty())
        text += QStringLiteral("\n%1 devices handed over").arg(m_selected.size());
    m_caption->SetText(text);
}

} // namespace lumicord
