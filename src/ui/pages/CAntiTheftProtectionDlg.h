// Page 163: the anti-theft protection of the devices ticked on the devices page. The user
// enters a lock code, flips the protection switch and, with it on, an AC name and two DNS
// servers; Apply checks them, asks, hands the batch to the devices page and starts one
// anti-theft job per device. Two buttons save these fields as a template and load one back.
#pragma once

#include <QRect>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "content/AntiTheftApply.h"
#include "content/AntiTheftFields.h"
#include "ui/pages/SelectedDevicesReceiver.h"
#include "ui/toolkit/CTDialog.h"

namespace lumicord {

class CTButtonPicture;
class CTEditGdiplus;

class CAntiTheftProtectionDlg : public CTDialog, public CSelectedDevicesReceiver {
    Q_OBJECT
public:
    // `target` receives the status writes and jobs of Apply (the program's store and
    // discovery manager; tests give their own).
    CAntiTheftProtectionDlg(std::unique_ptr<CAntiTheftTarget> target, QWidget* parent);
    ~CAntiTheftProtectionDlg() override;

    // Called by the devices page before it shows this page; replaces the list.
    void SetSelectedDevices(const std::vector<std::string>& macs) override;
    const std::vector<std::string>& SelectedDevices() const { return m_selected; }

    // The edits and the switch as Apply reads them (a DNS edit showing its hint gives it).
    AntiTheftFields Fields() const;
    // Writes the fields into the edits as real text (what loading a template does).
    void SetFields(const AntiTheftFields& fields);
    bool SwitchOn() const { return m_switchOn; }

    // The commands of the page's buttons.
    void OnApply();
    void OnCancel();
    void OnSwitch();
    void OnLoadTemplate();
    void OnSaveTemplate();

    bool ValidateInputs();
    void RelayoutForSwitch();

    CTEditGdiplus* Field(AntiTheftField field) const;
    CTButtonPicture* Button(int controlId) const;

    // The name of the template last loaded; the load dialog selects it.
    QString m_templateName;
    // The template file; the program directory's IniTemplate/Config.ini.
    std::string m_templatePath;

private:
    void StyleControls();
    void RecordLayout();
    void ShowDevicesPage();

    std::unique_ptr<CAntiTheftTarget> m_target;
    std::vector<std::string> m_selected;
    bool m_switchOn = true;
    QRect m_pageRect;
    std::map<int, QRect> m_recorded; // the moving controls' rectangles with the switch on
};

} // namespace lumicord
