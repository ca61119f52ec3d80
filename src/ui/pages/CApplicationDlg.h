// The program's one top-level window: a borderless skinned window that holds the four pages
// and shows one at a time, with the minimise-to-tray and close buttons, the tray icon with
// its menu, and the exit confirmations.
#pragma once

#include <array>
#include <memory>

#include "ui/pages/PageServices.h"
#include "ui/toolkit/CTDialog.h"

class QMenu;
class QSystemTrayIcon;

namespace lumicord {

class CDevicesControlDlg;
class CSelectAdapterDlg;
class CTButtonPicture;

inline constexpr int kPageSelectAdapter = 160;
inline constexpr int kPageDevices = 161;
inline constexpr int kPageCustomization = 162;
inline constexpr int kPageAntiTheft = 163;

inline constexpr int kTrayCallbackMessage = 0x464;
inline constexpr int kMouseLeftDoubleClick = 0x0203;
inline constexpr int kMouseRightUp = 0x0205;
inline constexpr int kCommandShowUtility = 32781;
inline constexpr int kCommandExit = 32782;
inline constexpr int kCommandAbout = 16;

class CApplicationDlg : public CTDialog {
    Q_OBJECT
public:
    // Without services (a window on its own) the adapter and devices slots hold empty pages.
    explicit CApplicationDlg(QWidget* parent = nullptr);
    explicit CApplicationDlg(const CPageServices& services, QWidget* parent = nullptr);
    ~CApplicationDlg() override;

    // Makes one page the visible one; any id but 161, 162 and 163 shows page 160.
    void ShowPage(int pageId);
    QWidget* Page(int pageId) const;
    CSelectAdapterDlg* SelectAdapterPage() const;
    CDevicesControlDlg* DevicesPage() const;

    CTButtonPicture* MinimiseButton() const;
    CTButtonPicture* CloseButton() const;
    QSystemTrayIcon* TrayIcon() const { return m_trayIcon; }

    // The tray icon's callback with the Windows mouse message it stands for.
    void OnTrayNotify(int mouseMessage);
    // The tray menu as it is shown: menu 132's first submenu, translated afresh.
    std::unique_ptr<QMenu> LoadTrayMenu();
    void OnCommand(int commandId);
    void OnMinimise();
    // Exit confirmation A (close button) and B (tray menu "Exit"); OK ends the window.
    void ConfirmExitFromCloseButton();
    void ConfirmExitFromTray();

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void SetUpButtons();
    void SetUpTrayIcon();
    void CreatePages();
    QWidget* CreatePage(int pageId);
    void SetCloseImages(bool adapterPageSet);
    void ShowFromTray(bool toForeground);
    bool ConfirmExit(const QString& title, const QString& message);

    CPageServices m_services;
    std::array<QWidget*, 4> m_pages{}; // in the order 160, 161, 163, 162
    QSystemTrayIcon* m_trayIcon = nullptr;
    bool m_ending = false;
};

} // namespace lumicord
