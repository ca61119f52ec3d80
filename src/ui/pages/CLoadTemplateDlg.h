// Dialog 165: lists the saved anti-theft templates, writes the chosen one into the page
// (emptying both lock codes) and deletes templates.
#pragma once

#include <QBasicTimer>

#include "content/CTemplateIni.h"
#include "ui/toolkit/CTDialog.h"

namespace lumicord {

class CAntiTheftProtectionDlg;
class CCustomComboBox;
class CTButtonPicture;

class CLoadTemplateDlg : public CTDialog {
    Q_OBJECT
public:
    explicit CLoadTemplateDlg(CAntiTheftProtectionDlg& page);

    // Runs the dialog centred on the screen; kTemplateOk once a template was loaded.
    int DoModal();
    void OnLoad();
    void OnDelete();

    CCustomComboBox* List() const;
    CTButtonPicture* Button(int controlId) const;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void FillList();
    void ShowEditMenu(const QPoint& at);

    CAntiTheftProtectionDlg& m_page;
    CTemplateIni m_templates;
    QBasicTimer m_deleteTimer; // shows the delete button while an entry is chosen
};

} // namespace lumicord
