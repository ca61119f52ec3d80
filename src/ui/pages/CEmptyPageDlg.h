// A page slot of the main window before its page exists: a child page of the page's template
// size, filled with the child background colour, rounded at the corners and showing its page
// id. It keeps the devices handed to it, for the page that will take its place; the slots of
// the customization and anti-theft pages have a button back to the devices page.
#pragma once

#include "ui/pages/SelectedDevicesReceiver.h"
#include "ui/toolkit/CTDialog.h"

namespace lumicord {

class CTButtonPicture;
class CTStaticGdiplus;

class CEmptyPageDlg : public CTDialog, public CSelectedDevicesReceiver {
    Q_OBJECT
public:
    CEmptyPageDlg(int pageId, QWidget* parent);

    void SetSelectedDevices(const std::vector<std::string>& macs) override;
    const std::vector<std::string>& SelectedDevices() const { return m_selected; }
    // Null on the slots that are not reached from the devices page.
    CTButtonPicture* BackButton() const { return m_back; }

private:
    void ShowCaption();

    int m_pageId;
    CTStaticGdiplus* m_caption;
    CTButtonPicture* m_back = nullptr;
    std::vector<std::string> m_selected;
};

} // namespace lumicord
