#include "ui/pages/CSaveTemplateDlg.h"

#include <QScreen>

#include "content/AntiTheftTemplate.h"
#include "content/CTemplateIni.h"
#include "ui/pages/AntiTheftLook.h"
#include "ui/pages/CAntiTheftProtectionDlg.h"
#include "ui/toolkit/CNoteDlg.h"
#include "ui/toolkit/CTButtonPicture.h"
#include "ui/toolkit/CTEditGdiplus.h"
#include "ui/toolkit/CTStaticGdiplus.h"
#include "ui/toolkit/QtText.h"
#include "ui/toolkit/WindowTranslation.h"

namespace lumicord {
namespace {
constexpr int kTemplate = 164;
constexpr int kTitle = 1191;
constexpr int kClose = 1210;
constexpr int kNameLabel = 1192;
constexpr int kName = 1009;
constexpr int kCancel = 1211;
constexpr int kSave = 1231;
constexpr int kNameLimit = 32;
} // namespace

void CentreOnScreen(QWidget& dialog) {
    if (const QScreen* screen = dialog.screen())
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
}

CSaveTemplateDlg::CSaveTemplateDlg(CAntiTheftProtectionDlg& page)
    : CTDialog(kTemplate, &page), m_page(page) {
    TranslateWindow(this);
    m_fillEnabled = true;
    m_fillColor = MakeColorRef(255, 255, 255);
    StyleLabel(*this, kTitle, 17, 600, kLabelColor);
    StyleLabel(*this, kNameLabel, 17, 400, kLabelColor);
    ControlAs<CTStaticGdiplus>(kNameLabel)->m_alignment = kStaticRightCentre;
    FitLabel(*this, kNameLabel);
    StyleSeparator(*this, 1012);
    StyleSeparator(*this, 1013);
    StyleCloseButton(Button(kClose));
    StyleCancelButton(Button(kCancel));
    StyleApplyButton(Button(kSave));
    AttachField(*this, kName, kNameLimit);
    connect(Button(kSave), &QPushButton::clicked, this, &CSaveTemplateDlg::OnSave);
    connect(Button(kCancel), &QPushButton::clicked, this, [this] { done(kTemplateCancel); });
    connect(Button(kClose), &QPushButton::clicked, this, [this] { done(kTemplateCancel); });
}

CTEditGdiplus* CSaveTemplateDlg::NameEdit() const {
    return ControlAs<CTEditGdiplus>(kName);
}

CTButtonPicture* CSaveTemplateDlg::Button(int controlId) const {
    return ControlAs<CTButtonPicture>(controlId);
}

int CSaveTemplateDlg::DoModal() {
    CentreOnScreen(*this);
    if (CTEditGdiplus* name = NameEdit())
        name->setFocus();
    return exec();
}

void CSaveTemplateDlg::Refuse(const QString& message) {
    CNoteDlg note(TranslateQText(QStringLiteral("Note")), TranslateQText(message), false, this);
    note.DoModal();
    if (CTEditGdiplus* name = NameEdit())
        name->setFocus();
}

void CSaveTemplateDlg::OnSave() {
    const std::string path = m_page.m_templatePath;
    CTemplateIni ini;
    if (!ini.LoadFile(path))
        return Refuse(QString::fromStdString(ini.ErrorText()));
    const QString name = NameEdit() != nullptr ? NameEdit()->text() : QString();
    if (name.isEmpty())
        return Refuse(QStringLiteral("Please enter the Template Name!"));
    const std::string section = name.toStdString();
    for (const std::string& existing : ini.SectionNames()) {
        if (existing == section) {
            NameEdit()->SetRealText(QString());
            return Refuse(QStringLiteral("The name ") + name +
                          QStringLiteral(" has already exists.Please re-enter!"));
        }
    }
    StoreTemplate(ini, section, m_page.Fields());
    // A template that was not written is not reported as saved.
    if (!ini.SaveFile(path))
        return Refuse(QString::fromStdString(ini.ErrorText()));
    done(kTemplateOk);
}

} // namespace lumicord
