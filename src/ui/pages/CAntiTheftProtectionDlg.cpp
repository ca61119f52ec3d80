#include "ui/pages/CAntiTheftProtectionDlg.h"

#include <QFocusEvent>

#include "content/AntiTheftCommand.h"
#include "content/AntiTheftTemplate.h"
#include "content/AntiTheftValidation.h"
#include "platform/ProgramDirectory.h"
#include "ui/pages/AntiTheftLook.h"
#include "ui/pages/CApplicationDlg.h"
#include "ui/pages/CLoadTemplateDlg.h"
#include "ui/pages/CSaveTemplateDlg.h"
#include "ui/toolkit/ApplicationContext.h"
#include "ui/toolkit/CNoteDlg.h"
#include "ui/toolkit/CTButtonPicture.h"
#include "ui/toolkit/CTEditGdiplus.h"
#include "ui/toolkit/CTStaticGdiplus.h"
#include "ui/toolkit/QtText.h"
#include "ui/toolkit/WindowMessageEvent.h"
#include "ui/toolkit/WindowTranslation.h"

namespace lumicord {
namespace {

constexpr int kTemplate = 163;
constexpr int kTitle = 1214;
constexpr int kClose = 1210;
constexpr int kUpperLine = 1012;
constexpr int kLowerLine = 1013;
constexpr int kLoadTemplate = 1188;
constexpr int kSaveTemplate = 1231;
constexpr int kExplanation = 1219;
constexpr int kSwitchLabel = 1220;
constexpr int kSwitch = 1213;
constexpr int kCancel = 1211;
constexpr int kApply = 1212;

constexpr int kPageHeightOff = 278;
constexpr int kSwitchRowLift = 25;
constexpr int kLowerLineAboveBottom = 140;
constexpr int kButtonsLift = 169;

// The rows shown only with the switch on: confirm lock code, AC name and both DNS.
constexpr int kSwitchOnRows[] = {1217, 1218, 1010, 1222, 1223, 1228, 1224, 1229, 1225, 1230};
constexpr int kMovingControls[] = {kExplanation, kSwitchLabel, kSwitch,
                                   kLowerLine,   kCancel,      kApply};
constexpr int kLabels[] = {1215, 1217, 1220, 1222, 1224, 1225};
constexpr int kMarks[] = {1216, 1218, 1223};
constexpr std::pair<int, int> kMarkedLabels[] = {{1216, 1215}, {1218, 1217}, {1223, 1222}};
constexpr int kOptional[] = {1227, 1232};

constexpr AntiTheftField kFields[] = {AntiTheftField::LockCode, AntiTheftField::ConfirmLockCode,
                                      AntiTheftField::AcName, AntiTheftField::PrimaryDns,
                                      AntiTheftField::SecondaryDns};

QString Text(const CTEditGdiplus* edit) {
    return edit != nullptr ? edit->text() : QString();
}

} // namespace

CAntiTheftProtectionDlg::CAntiTheftProtectionDlg(std::unique_ptr<CAntiTheftTarget> target,
                                                 QWidget* parent)
    : CTDialog(kTemplate, parent), m_templatePath(TemplateFilePath(ProgramDirectory())),
      m_target(std::move(target)) {
    TranslateWindow(this);
    m_fillEnabled = true;
    m_fillColor = MakeColorRef(255, 255, 255);
    StyleControls();
    RecordLayout();
    connect(Button(kApply), &QPushButton::clicked, this, &CAntiTheftProtectionDlg::OnApply);
    connect(Button(kCancel), &QPushButton::clicked, this, &CAntiTheftProtectionDlg::OnCancel);
    connect(Button(kClose), &QPushButton::clicked, this, &CAntiTheftProtectionDlg::OnCancel);
    connect(Button(kSwitch), &QPushButton::clicked, this, &CAntiTheftProtectionDlg::OnSwitch);
    connect(Button(kLoadTemplate), &QPushButton::clicked, this,
            &CAntiTheftProtectionDlg::OnLoadTemplate);
    connect(Button(kSaveTemplate), &QPushButton::clicked, this,
            &CAntiTheftProtectionDlg::OnSaveTemplate);
    RelayoutForSwitch();
}

CAntiTheftProtectionDlg::~CAntiTheftProtectionDlg() = default;

void CAntiTheftProtectionDlg::StyleControls() {
    StyleLabel(*this, kTitle, 17, 600, kLabelColor);
    for (int id : kLabels) {
        StyleLabel(*this, id, 17, 400, kLabelColor);
        // The labels end where their fields begin, level with the field's text.
        ControlAs<CTStaticGdiplus>(id)->m_alignment = kStaticRightTop;
        const int left = Control(id)->x();
        FitLabel(*this, id);
        for (const auto& [mark, label] : kMarkedLabels)
            if (label == id)
                Control(mark)->move(Control(mark)->pos() + QPoint(Control(id)->x() - left, 0));
    }
    StyleLabel(*this, kExplanation, 16, 400, kLabelColor);
    ControlAs<CTStaticGdiplus>(kExplanation)->m_alignment = kStaticLeftTop;
    FitLabel(*this, kExplanation);
    for (int id : kMarks)
        StyleLabel(*this, id, 16, 400, kMarkColor);
    for (int id : kOptional) {
        StyleLabel(*this, id, 16, 400, kOptionalColor);
        FitLabel(*this, id);
    }
    StyleSeparator(*this, kUpperLine);
    StyleSeparator(*this, kLowerLine);
    StyleCloseButton(Button(kClose));
    StyleApplyButton(Button(kApply));
    StyleCancelButton(Button(kCancel));
    const QString templateImage = SkinFile(ApplicationSkinPaths().btnTemplate);
    for (int id : {kLoadTemplate, kSaveTemplate}) {
        if (CTButtonPicture* button = Button(id)) {
            button->SetImages(templateImage, templateImage, templateImage, templateImage);
            button->m_textColorNormal = button->m_textColorActive = kTemplateTextColor;
            button->m_textColorDisabled = kTemplateTextColor;
            button->m_fontHeight = 16;
        }
    }
    for (AntiTheftField field : kFields) {
        const bool dns =
            field == AntiTheftField::PrimaryDns || field == AntiTheftField::SecondaryDns;
        const std::size_t limit = dns                               ? kDnsLimit
                                  : field == AntiTheftField::AcName ? kAcNameLimit
                                                                    : kLockCodeLimit;
        CTEditGdiplus* edit = AttachField(*this, static_cast<int>(field), static_cast<int>(limit));
        if (edit == nullptr || !dns)
            continue;
        edit->SetHint(QString::fromUtf16(kDnsHint), kHintColor);
        // The optional fields show their hint from the start, so that left alone they pass
        // the checks (and are sent as 0.0.0.0), as they do once visited and left empty.
        QFocusEvent left(QEvent::FocusOut, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(edit, &left);
    }
}

void CAntiTheftProtectionDlg::RecordLayout() {
    m_pageRect = QRect(pos(), size());
    for (int id : kMovingControls)
        if (QWidget* control = Control(id))
            m_recorded[id] = control->geometry();
    if (QWidget* confirm = Control(static_cast<int>(AntiTheftField::ConfirmLockCode)))
        m_recorded[static_cast<int>(AntiTheftField::ConfirmLockCode)] = confirm->geometry();
}

CTEditGdiplus* CAntiTheftProtectionDlg::Field(AntiTheftField field) const {
    return ControlAs<CTEditGdiplus>(static_cast<int>(field));
}

CTButtonPicture* CAntiTheftProtectionDlg::Button(int controlId) const {
    return ControlAs<CTButtonPicture>(controlId);
}

void CAntiTheftProtectionDlg::SetSelectedDevices(const std::vector<std::string>& macs) {
    m_selected = macs;
}

AntiTheftFields CAntiTheftProtectionDlg::Fields() const {
    AntiTheftFields f;
    f.lockCode = ToU16(Text(Field(AntiTheftField::LockCode)));
    f.confirmLockCode = ToU16(Text(Field(AntiTheftField::ConfirmLockCode)));
    f.acName = ToU16(Text(Field(AntiTheftField::AcName)));
    f.primaryDns = ToU16(Text(Field(AntiTheftField::PrimaryDns)));
    f.secondaryDns = ToU16(Text(Field(AntiTheftField::SecondaryDns)));
    f.switchOn = m_switchOn;
    return f;
}

void CAntiTheftProtectionDlg::SetFields(const AntiTheftFields& f) {
    const std::pair<AntiTheftField, const std::u16string*> texts[] = {
        {AntiTheftField::LockCode, &f.lockCode},
        {AntiTheftField::ConfirmLockCode, &f.confirmLockCode},
        {AntiTheftField::AcName, &f.acName},
        {AntiTheftField::PrimaryDns, &f.primaryDns},
        {AntiTheftField::SecondaryDns, &f.secondaryDns},
    };
    for (const auto& [field, text] : texts)
        if (CTEditGdiplus* edit = Field(field))
            edit->SetRealText(ToQString(*text));
    m_switchOn = f.switchOn;
}

void CAntiTheftProtectionDlg::RelayoutForSwitch() {
    const CSkinPaths& skin = ApplicationSkinPaths();
    if (CTButtonPicture* button = Button(kSwitch)) {
        const QString image = SkinFile(m_switchOn ? skin.btnSwitchOn : skin.btnSwitchOff);
        button->SetImages(image, image, image, image);
    }
    for (int id : kSwitchOnRows)
        if (QWidget* control = Control(id))
            control->setVisible(m_switchOn);
    for (const auto& [id, rect] : m_recorded)
        if (QWidget* control = Control(id))
            control->setGeometry(rect);
    QSize pageSize = m_pageRect.size();
    if (!m_switchOn) {
        const QRect confirm = m_recorded[static_cast<int>(AntiTheftField::ConfirmLockCode)];
        Control(kExplanation)->move(confirm.topLeft());
        for (int id : {kSwitchLabel, kSwitch})
            Control(id)->move(m_recorded[id].topLeft() - QPoint(0, kSwitchRowLift));
        const QRect line = m_recorded[kLowerLine];
        Control(kLowerLine)->move(line.left(), line.top() + line.height() - kLowerLineAboveBottom);
        for (int id : {kCancel, kApply})
            Control(id)->move(m_recorded[id].topLeft() - QPoint(0, kButtonsLift));
        pageSize.setHeight(kPageHeightOff);
    }
    resize(pageSize);
    if (QWidget* owner = parentWidget())
        move((owner->width() - width()) / 2, (owner->height() - height()) / 2);
    if (CTEditGdiplus* lockCode = Field(AntiTheftField::LockCode))
        lockCode->setFocus();
    update();
}

bool CAntiTheftProtectionDlg::ValidateInputs() {
    const AntiTheftVerdict verdict = lumicord::ValidateInputs(Fields());
    if (verdict.ok)
        return true;
    CNoteDlg note(TranslateQText(QStringLiteral("Note")),
                  TranslateQText(QString::fromUtf16(verdict.message)), false, this);
    note.DoModal();
    if (CTEditGdiplus* edit = Field(verdict.focus))
        edit->setFocus();
    return false;
}

void CAntiTheftProtectionDlg::OnApply() {
    if (!ValidateInputs())
        return;
    CNoteDlg confirm(
        TranslateQText(QStringLiteral("Note")),
        TranslateQText(QStringLiteral("Are you sure you want to apply configuration?")), true,
        this);
    if (confirm.DoModal() != kNoteOk)
        return;
    const std::string command = BuildAntiTheftCommand(Fields());
    if (auto* mainWindow = qobject_cast<CApplicationDlg*>(parentWidget())) {
        if (QWidget* devices = mainWindow->Page(kPageDevices))
            PostWindowMessage(devices, kAntiTheftBatchMessage, 0,
                              reinterpret_cast<std::intptr_t>(this));
    }
    ShowDevicesPage();
    if (m_target)
        ApplyToDevices(*m_target, m_selected, command);
}

void CAntiTheftProtectionDlg::OnCancel() {
    ShowDevicesPage();
}

void CAntiTheftProtectionDlg::ShowDevicesPage() {
    if (auto* mainWindow = qobject_cast<CApplicationDlg*>(parentWidget()))
        mainWindow->ShowPage(kPageDevices);
}

void CAntiTheftProtectionDlg::OnSwitch() {
    m_switchOn = !m_switchOn;
    RelayoutForSwitch();
}

void CAntiTheftProtectionDlg::OnLoadTemplate() {
    hide();
    CLoadTemplateDlg dialog(*this);
    if (dialog.DoModal() == kTemplateOk)
        RelayoutForSwitch();
    show();
}

void CAntiTheftProtectionDlg::OnSaveTemplate() {
    hide();
    CSaveTemplateDlg dialog(*this);
    dialog.DoModal();
    show();
}

} // namespace lumicord
