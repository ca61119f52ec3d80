#include "ui/pages/CEmptyPageDlg.h"

#include "ui/pages/CApplicationDlg.h"
#include "ui/toolkit/ApplicationContext.h"
#include "ui/toolkit/CTButtonPicture.h"
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
    if (pageId == kPageCustomization || pageId == kPageAntiTheft) {
        const CSkinPaths& skin = ApplicationSkinPaths();
        m_back = new CTButtonPicture(this);
        m_back->setText(QStringLiteral("Back"));
        m_back->setGeometry((width() - 80) / 2, height() - 48, 80, 27);
        m_back->SetImages(SkinFile(skin.applyBtnNormal), SkinFile(skin.applyBtnOver),
                          SkinFile(skin.applyBtnDown), SkinFile(skin.applyBtnDisable));
        m_back->m_fontHeight = 17;
        connect(m_back, &QPushButton::clicked, this, [this] {
            if (auto* mainWindow = qobject_cast<CApplicationDlg*>(parentWidget()))
                mainWindow->ShowPage(kPageDevices);
        });
    }
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
