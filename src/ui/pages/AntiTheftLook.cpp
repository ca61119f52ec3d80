#include "ui/pages/AntiTheftLook.h"

#include <QFontMetrics>
#include <algorithm>

#include "ui/toolkit/ApplicationContext.h"
#include "ui/toolkit/CColorLine.h"
#include "ui/toolkit/CTButtonPicture.h"
#include "ui/toolkit/CTDialog.h"
#include "ui/toolkit/CTEditGdiplus.h"
#include "ui/toolkit/CTStaticGdiplus.h"

namespace lumicord {
namespace {
const QString kFace = QStringLiteral("Microsoft YaHei");
} // namespace

void StyleLabel(CTDialog& dialog, int controlId, int height, int weight, ColorRef color) {
    auto* label = dialog.ControlAs<CTStaticGdiplus>(controlId);
    if (label == nullptr)
        return;
    label->SetFont(height, weight, false, false, kFace, false);
    label->m_textColorNormal = label->m_textColorHover = label->m_textColorPressed = color;
    label->SetText(label->text());
}

void FitLabel(CTDialog& dialog, int controlId) {
    auto* label = dialog.ControlAs<CTStaticGdiplus>(controlId);
    if (label == nullptr)
        return;
    const QFontMetrics metrics(label->DrawFont());
    const QStringList lines = label->DrawnText().split(QLatin1Char('\n'));
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line) + 1);
    QRect rect = label->geometry();
    if (width > rect.width()) {
        const bool right =
            label->m_alignment == kStaticRightTop || label->m_alignment == kStaticRightCentre;
        if (right)
            rect.setLeft(rect.right() + 1 - width);
        else
            rect.setWidth(width);
    }
    rect.setHeight(std::max(rect.height(), static_cast<int>(lines.size()) * metrics.height()));
    label->setGeometry(rect);
}

void StyleSeparator(CTDialog& dialog, int controlId) {
    if (auto* line = dialog.ControlAs<CColorLine>(controlId))
        line->m_lineColor = kSeparatorColor;
}

void StyleApplyButton(CTButtonPicture* button) {
    if (button == nullptr)
        return;
    const CSkinPaths& skin = ApplicationSkinPaths();
    button->SetImages(SkinFile(skin.applyBtnNormal), SkinFile(skin.applyBtnOver),
                      SkinFile(skin.applyBtnDown), SkinFile(skin.applyBtnDisable));
    button->m_textColorNormal = button->m_textColorActive = button->m_textColorDisabled =
        MakeColorRef(255, 255, 255);
    button->m_fontHeight = 17;
    button->m_fontWeight = 400;
}

void StyleCancelButton(CTButtonPicture* button) {
    if (button == nullptr)
        return;
    const CSkinPaths& skin = ApplicationSkinPaths();
    button->SetImages(SkinFile(skin.cancelBtnNormal), SkinFile(skin.cancelBtnOver),
                      SkinFile(skin.cancelBtnDown), SkinFile(skin.cancelBtnDown));
    button->m_textColorNormal = button->m_textColorDisabled = kLabelColor;
    button->m_textColorActive = kTemplateTextColor;
    button->m_fontHeight = 17;
    button->m_fontWeight = 400;
}

void StyleCloseButton(CTButtonPicture* button) {
    if (button == nullptr)
        return;
    const QString image = SkinFile(ApplicationSkinPaths().btnChildClose);
    button->SetImages(image, image, image, image);
}

CTEditGdiplus* AttachField(CTDialog& dialog, int controlId, int limit) {
    auto* field = dialog.AttachControl(controlId, new CTEditGdiplus(&dialog));
    if (field == nullptr)
        return nullptr;
    ApplyStandardFieldStyle(*field);
    field->setMaxLength(limit);
    return field;
}

} // namespace lumicord
