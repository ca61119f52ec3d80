#include "ui/pages/CLoadTemplateDlg.h"

#include <QMenu>
#include <QTimerEvent>

#include "content/AntiTheftTemplate.h"
#include "ui/pages/AntiTheftLook.h"
#include "ui/pages/CAntiTheftProtectionDlg.h"
#include "ui/pages/CSaveTemplateDlg.h"
#include "ui/toolkit/ApplicationContext.h"
#include "ui/toolkit/CCustomComboBox.h"
#include "ui/toolkit/CNoteDlg.h"
#include "ui/toolkit/CTButtonPicture.h"
#include "ui/toolkit/CTStaticGdiplus.h"
#include "ui/toolkit/QtText.h"
#include "ui/toolkit/WindowTranslation.h"

namespace lumicord {
namespace {
constexpr int kTemplate = 165;
constexpr int kTitle = 1190;
constexpr int kClose = 1210;
constexpr int kListLabel = 1189;
constexpr int kList = 1013;
constexpr int kDelete = 1212;
constexpr int kCancel = 1211;
constexpr int kLoad = 1188;
constexpr int kDeleteCheckMs = 100;
constexpr int kItemHeight = 20;
} // namespace

CLoadTemplateDlg::CLoadTemplateDlg(CAntiTheftProtectionDlg& page)
    : CTDialog(kTemplate, &page), m_page(page) {
    TranslateWindow(this);
    m_fillEnabled = true;
    m_fillColor = MakeColorRef(255, 255, 255);
    StyleLabel(*this, kTitle, 17, 600, kLabelColor);
    StyleLabel(*this, kListLabel, 17, 400, kLabelColor);
    ControlAs<CTStaticGdiplus>(kListLabel)->m_alignment = kStaticRightCentre;
    FitLabel(*this, kListLabel);
    StyleSeparator(*this, 1012);
    StyleSeparator(*this, 1016);
    StyleCloseButton(Button(kClose));
    StyleCloseButton(Button(kDelete));
    StyleCancelButton(Button(kCancel));
    StyleApplyButton(Button(kLoad));
    auto* list = AttachControl(kList, new CCustomComboBox(this));
    list->m_itemHeight = kItemHeight;
    list->SetArrowImages(SkinFile(ApplicationSkinPaths().comboxDown));
    list->SetFontFace(QStringLiteral("Microsoft YaHei"));
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, &CLoadTemplateDlg::ShowEditMenu);
    connect(Button(kLoad), &QPushButton::clicked, this, &CLoadTemplateDlg::OnLoad);
    connect(Button(kDelete), &QPushButton::clicked, this, &CLoadTemplateDlg::OnDelete);
    connect(Button(kCancel), &QPushButton::clicked, this, [this] { done(kTemplateCancel); });
    connect(Button(kClose), &QPushButton::clicked, this, [this] { done(kTemplateCancel); });
    Button(kDelete)->hide();
    FillList();
    m_deleteTimer.start(kDeleteCheckMs, this);
}

CCustomComboBox* CLoadTemplateDlg::List() const {
    return ControlAs<CCustomComboBox>(kList);
}

CTButtonPicture* CLoadTemplateDlg::Button(int controlId) const {
    return ControlAs<CTButtonPicture>(controlId);
}

void CLoadTemplateDlg::FillList() {
    if (!m_templates.LoadFile(m_page.m_templatePath)) {
        CNoteDlg note(TranslateQText(QStringLiteral("Note")),
                      TranslateQText(QString::fromStdString(m_templates.ErrorText())), false, this);
        note.DoModal();
        return;
    }
    CCustomComboBox* list = List();
    for (const std::string& name : m_templates.SectionNames()) {
        const int index = list->AddItem(QString::fromStdString(name));
        if (index >= 0 && !m_page.m_templateName.isEmpty() &&
            list->GetItemText(index) == m_page.m_templateName)
            list->SetCurSel(index);
    }
}

int CLoadTemplateDlg::DoModal() {
    CentreOnScreen(*this);
    return exec();
}

void CLoadTemplateDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_deleteTimer.timerId())
        return CTDialog::timerEvent(event);
    Button(kDelete)->setVisible(List()->GetCurSel() >= 0);
}

void CLoadTemplateDlg::OnDelete() {
    CCustomComboBox* list = List();
    const int chosen = list->GetCurSel();
    if (chosen < 0)
        return;
    // The entry's own text names the section: a trimmed name would miss a template whose
    // name has blanks at an end, and the list would drop a template the file still holds.
    const std::string name = list->GetItemText(chosen).toStdString();
    m_templates.RemoveSection(name);
    if (!m_templates.SaveFile(m_page.m_templatePath)) {
        CNoteDlg note(TranslateQText(QStringLiteral("Note")),
                      TranslateQText(QString::fromStdString(m_templates.ErrorText())), false, this);
        note.DoModal();
        m_templates.LoadFile(m_page.m_templatePath);
        return;
    }
    list->DeleteItem(chosen);
    if (list->count() > 0)
        list->SetCurSel(0);
}

void CLoadTemplateDlg::OnLoad() {
    CCustomComboBox* list = List();
    const int chosen = list->GetCurSel();
    const QString shown = chosen >= 0 ? list->GetItemText(chosen) : QString();
    AntiTheftFields fields = m_page.Fields();
    LoadTemplate(m_templates, shown.toStdString(), fields);
    m_page.SetFields(fields);
    done(kTemplateOk);
    if (chosen >= 0)
        m_page.m_templateName = shown.trimmed();
}

void CLoadTemplateDlg::ShowEditMenu(const QPoint& at) {
    // The list's menu has one entry, "Edit", which does nothing yet.
    QMenu menu(this);
    menu.addAction(TranslateQText(QStringLiteral("Edit")));
    menu.exec(List()->mapToGlobal(at));
}

} // namespace lumicord
