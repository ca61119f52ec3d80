#include "ui/toolkit/CNoteDlg.h"

#include "ui/toolkit/ApplicationContext.h"
#include "ui/toolkit/CColorLine.h"
#include "ui/toolkit/CTButtonPicture.h"
#include "ui/toolkit/CTStaticGdiplus.h"
#include "ui/toolkit/WindowTranslation.h"

namespace lumicord {
namespace {
constexpr int kTemplate = 166;
constexpr int kTitle = 1131;
constexpr int kClose = 1210;
constexpr int kMessage = 1189;
constexpr int kUpperLine = 1012;
constexpr int kLowerLine = 1013;
constexpr int kCancel = 1211;
constexpr int kOk = 1194;

constexpr ColorRef kText = MakeColorRef(68, 68, 79);
constexpr ColorRef kAccent = MakeColorRef(216, 34, 40);
constexpr ColorRef kSeparator = MakeColorRef(235, 238, 237);
const QString kFace = QStringLiteral("Microsoft YaHei");
} // namespace

std::deque<int> CNoteDlg::s_nextAnswers;
NoteShown CNoteDlg::s_lastShown;

CNoteDlg::CNoteDlg(const QString& title, const QString& message, bool showCancel, QWidget* owner)
    : CTDialog(kTemplate, owner != nullptr ? owner : ApplicationMainWindow()), m_note{title,
                                                                                      message,
                                                                                      showCancel} {
    TranslateWindow(this);
    m_fillEnabled = true;
    m_fillColor = MakeColorRef(248, 248, 248);
    StyleControls();
    connect(OkButton(), &QPushButton::clicked, this, [this] { done(kNoteOk); });
    connect(CancelButton(), &QPushButton::clicked, this, [this] { done(kNoteCancel); });
    connect(CloseButton(), &QPushButton::clicked, this, [this] { done(kNoteCancel); });
}

void CNoteDlg::StyleControls() {
    for (int id : {kUpperLine, kLowerLine}) {
        if (auto* line = ControlAs<CColorLine>(id))
            line->m_lineColor = kSeparator;
    }
    if (QWidget* lower = Control(kLowerLine))
        lower->hide();
    if (auto* title = ControlAs<CTStaticGdiplus>(kTitle)) {
        title->SetFont(17, 600, false, false, kFace, false);
        title->m_textColorNormal = kText;
        title->SetText(m_note.title);
    }
    if (auto* message = ControlAs<CTStaticGdiplus>(kMessage)) {
        message->SetFont(17, 400, false, false, kFace, false);
        message->m_textColorNormal = kText;
        message->SetText(m_note.message);
    }
    const CSkinPaths& skin = ApplicationSkinPaths();
    if (auto* ok = OkButton()) {
        ok->SetImages(SkinFile(skin.applyBtnNormal), SkinFile(skin.applyBtnOver),
                      SkinFile(skin.applyBtnDown), SkinFile(skin.applyBtnDisable));
        ok->m_fontHeight = 17;
        ok->m_fontWeight = 400;
    }
    if (auto* close = CloseButton()) {
        const QString image = SkinFile(skin.btnChildClose2);
        close->SetImages(image, image, image, image);
    }
    if (auto* cancel = CancelButton()) {
        cancel->setVisible(m_note.showCancel);
        cancel->SetImages(SkinFile(skin.cancelBtnNormal), SkinFile(skin.cancelBtnOver),
                          SkinFile(skin.cancelBtnDown), SkinFile(skin.cancelBtnDown));
        cancel->m_textColorNormal = kText;
        cancel->m_textColorActive = kAccent;
        cancel->m_textColorDisabled = kText;
        cancel->m_fontHeight = 17;
        cancel->m_fontWeight = 400;
    }
}

CTButtonPicture* CNoteDlg::OkButton() const {
    return ControlAs<CTButtonPicture>(kOk);
}

CTButtonPicture* CNoteDlg::CancelButton() const {
    return ControlAs<CTButtonPicture>(kCancel);
}

CTButtonPicture* CNoteDlg::CloseButton() const {
    return ControlAs<CTButtonPicture>(kClose);
}

void CNoteDlg::reject() {
    done(kNoteCancel);
}

int CNoteDlg::DoModal() {
    s_lastShown = m_note;
    if (!s_nextAnswers.empty()) {
        const int answer = s_nextAnswers.front();
        s_nextAnswers.pop_front();
        return answer;
    }
    return exec();
}

void CNoteDlg::setNextAnswer(int answer) {
    s_nextAnswers.push_back(answer);
}

const NoteShown& CNoteDlg::LastShown() {
    return s_lastShown;
}

} // namespace lumicord
