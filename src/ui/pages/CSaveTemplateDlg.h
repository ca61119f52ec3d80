// Dialog 164: saves the anti-theft page's switch, AC name and DNS texts as a template under a
// new name (never the lock codes).
#pragma once

#include "ui/toolkit/CTDialog.h"

namespace lumicord {

class CAntiTheftProtectionDlg;
class CTButtonPicture;
class CTEditGdiplus;

// What the two template dialogs end with.
inline constexpr int kTemplateOk = 1;
inline constexpr int kTemplateCancel = 2;

class CSaveTemplateDlg : public CTDialog {
    Q_OBJECT
public:
    explicit CSaveTemplateDlg(CAntiTheftProtectionDlg& page);

    // Runs the dialog centred on the screen; kTemplateOk once saved.
    int DoModal();
    // The Save button: checks the name, stores the template and ends the dialog with OK.
    void OnSave();

    CTEditGdiplus* NameEdit() const;
    CTButtonPicture* Button(int controlId) const;

private:
    void Refuse(const QString& message);

    CAntiTheftProtectionDlg& m_page;
};

// Centres `dialog` on the screen it is on.
void CentreOnScreen(QWidget& dialog);

} // namespace lumicord
