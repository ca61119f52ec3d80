#include "ui/pages/CApplicationDlg.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>

#include "content/AntiTheftApply.h"
#include "ui/pages/CAboutDlg.h"
#include "ui/pages/CAntiTheftProtectionDlg.h"
#include "ui/pages/CDevicesControlDlg.h"
#include "ui/pages/CEmptyPageDlg.h"
#include "ui/pages/CSelectAdapterDlg.h"
#include "ui/toolkit/ApplicationContext.h"
#include "ui/toolkit/CNoteDlg.h"
#include "ui/toolkit/CTButtonPicture.h"
#include "ui/toolkit/QtText.h"
#include "ui/toolkit/WindowTranslation.h"

namespace lumicord {
namespace {
constexpr int kTemplate = 102;
constexpr int kMinimise = 1002;
constexpr int kClose = 1210;
constexpr QSize kWindowSize(817, 540);
const QString kAboutItem = QStringLiteral("关于 Application(&A)...");

struct PageSlot {
    int id;
    QPoint position;
};
// Creation order of the pages, with their places in the main window.
constexpr std::array<PageSlot, 4> kPageSlots{{
    {kPageSelectAdapter, {247, 126}},
    {kPageDevices, {0, 48}},
    {kPageAntiTheft, {198, 57}},
    {kPageCustomization, {200, 142}},
}};

QIcon ApplicationIcon() {
    return QIcon(QStringLiteral(":/icons/lumicord.png"));
}

} // namespace

CApplicationDlg::CApplicationDlg(QWidget* parent) : CApplicationDlg(CPageServices{}, parent) {}

CApplicationDlg::CApplicationDlg(const CPageServices& services, QWidget* parent)
    : CTDialog(kTemplate, parent), m_services(services) {
    setWindowIcon(ApplicationIcon());
    setWindowTitle(QStringLiteral("Lumicord"));
    TranslateWindow(this);
    m_fillColor = ApplicationSettings().childBkColor;
    m_fillEnabled = true;
    m_dragEnabled = true;
    setFixedSize(kWindowSize);
    SetUpButtons();
    SetUpTrayIcon();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), kWindowSize);
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    CreatePages();
    ShowPage(kPageSelectAdapter);
}

CApplicationDlg::~CApplicationDlg() = default;

void CApplicationDlg::SetUpButtons() {
    const CSkinPaths& skin = ApplicationSkinPaths();
    CTButtonPicture* minimise = MinimiseButton();
    CTButtonPicture* close = CloseButton();
    minimise->setGeometry(763, 16, 16, 16);
    close->setGeometry(784, 16, 16, 16);
    minimise->setToolTip(TranslateQText(QStringLiteral("Min")));
    close->setToolTip(TranslateQText(QStringLiteral("Close")));
    minimise->SetImages(SkinFile(skin.btnMinNormal), SkinFile(skin.btnMinOver),
                        SkinFile(skin.btnMinDown), SkinFile(skin.btnMinDown));
    SetCloseImages(false);
    connect(minimise, &QPushButton::clicked, this, &CApplicationDlg::OnMinimise);
    connect(close, &QPushButton::clicked, this, &CApplicationDlg::ConfirmExitFromCloseButton);
}

void CApplicationDlg::SetCloseImages(bool adapterPageSet) {
    const CSkinPaths& skin = ApplicationSkinPaths();
    const std::string& normal = adapterPageSet ? skin.btnCloseNormal2 : skin.btnCloseNormal;
    CloseButton()->SetImages(SkinFile(normal), SkinFile(skin.btnCloseOver),
                             SkinFile(skin.btnCloseDown), SkinFile(skin.btnCloseDown));
}

void CApplicationDlg::SetUpTrayIcon() {
    m_trayIcon = new QSystemTrayIcon(ApplicationIcon(), this);
    m_trayIcon->setToolTip(TranslateQText(QStringLiteral("Lumicord")));
    connect(m_trayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick)
                    OnTrayNotify(kMouseLeftDoubleClick);
                else if (reason == QSystemTrayIcon::Context)
                    OnTrayNotify(kMouseRightUp);
            });
    if (QSystemTrayIcon::isSystemTrayAvailable())
        m_trayIcon->show();
}

void CApplicationDlg::CreatePages() {
    for (std::size_t i = 0; i < kPageSlots.size(); ++i) {
        QWidget* page = CreatePage(kPageSlots[i].id);
        page->move(kPageSlots[i].position);
        page->raise();
        page->hide();
        m_pages[i] = page;
    }
}

QWidget* CApplicationDlg::CreatePage(int pageId) {
    if (m_services.Valid() && pageId == kPageSelectAdapter)
        return new CSelectAdapterDlg(m_services, this);
    if (m_services.Valid() && pageId == kPageDevices)
        return new CDevicesControlDlg(m_services, this);
    if (m_services.Valid() && pageId == kPageAntiTheft)
        return new CAntiTheftProtectionDlg(
            std::make_unique<CLinkAntiTheftTarget>(*m_services.store, *m_services.manager), this);
    return new CEmptyPageDlg(pageId, this);
}

CSelectAdapterDlg* CApplicationDlg::SelectAdapterPage() const {
    return qobject_cast<CSelectAdapterDlg*>(Page(kPageSelectAdapter));
}

CDevicesControlDlg* CApplicationDlg::DevicesPage() const {
    return qobject_cast<CDevicesControlDlg*>(Page(kPageDevices));
}

QWidget* CApplicationDlg::Page(int pageId) const {
    for (std::size_t i = 0; i < kPageSlots.size(); ++i) {
        if (kPageSlots[i].id == pageId)
            return m_pages[i];
    }
    return nullptr;
}

CTButtonPicture* CApplicationDlg::MinimiseButton() const {
    return ControlAs<CTButtonPicture>(kMinimise);
}

CTButtonPicture* CApplicationDlg::CloseButton() const {
    return ControlAs<CTButtonPicture>(kClose);
}

void CApplicationDlg::ShowPage(int pageId) {
    for (QWidget* page : m_pages)
        page->hide();
    const CSkinPaths& skin = ApplicationSkinPaths();
    QWidget* shown = nullptr;
    switch (pageId) {
    case kPageDevices:
        SetCloseImages(false);
        MinimiseButton()->show();
        CloseButton()->show();
        SetBackgroundImage(SkinFile(skin.mainBkJpg));
        shown = Page(kPageDevices);
        break;
    case kPageCustomization:
    case kPageAntiTheft:
        SetCloseImages(false);
        MinimiseButton()->hide();
        CloseButton()->hide();
        SetBackgroundImage(SkinFile(skin.mainBk3Jpg));
        shown = Page(pageId);
        break;
    default:
        SetBackgroundImage(SkinFile(skin.mainBkPng));
        SetCloseImages(true);
        MinimiseButton()->hide();
        shown = Page(kPageSelectAdapter);
        break;
    }
    shown->show();
    if (pageId == kPageAntiTheft) {
        // The lock code field is the page's first text field.
        if (auto* field = shown->findChild<QLineEdit*>())
            field->setFocus();
        else
            shown->setFocus();
    }
}

void CApplicationDlg::ShowFromTray(bool toForeground) {
    if (isMinimized())
        showNormal();
    else
        show();
    if (toForeground) {
        raise();
        activateWindow();
    }
}

std::unique_ptr<QMenu> CApplicationDlg::LoadTrayMenu() {
    auto menu = std::make_unique<QMenu>();
    menu->addAction(QStringLiteral("Show Utility"))->setData(kCommandShowUtility);
    menu->addAction(QStringLiteral("Exit"))->setData(kCommandExit);
    TranslateMenu(menu.get());
    return menu;
}

void CApplicationDlg::OnTrayNotify(int mouseMessage) {
    if (mouseMessage == kMouseLeftDoubleClick) {
        ShowFromTray(true);
    } else if (mouseMessage == kMouseRightUp) {
        const auto menu = LoadTrayMenu();
        raise();
        activateWindow();
        if (QAction* chosen = menu->exec(QCursor::pos()))
            OnCommand(chosen->data().toInt());
    }
}

void CApplicationDlg::OnCommand(int commandId) {
    if (commandId == kCommandShowUtility) {
        ShowFromTray(false);
    } else if (commandId == kCommandExit) {
        ConfirmExitFromTray();
    } else if (commandId >= kCommandAbout && commandId <= 31) {
        CAboutDlg about(this);
        about.exec();
    }
}

void CApplicationDlg::OnMinimise() {
    // Without a notification area a hidden window could never be reached again.
    if (QSystemTrayIcon::isSystemTrayAvailable() && m_trayIcon->isVisible())
        hide();
    else
        showMinimized();
}

bool CApplicationDlg::ConfirmExit(const QString& title, const QString& message) {
    CNoteDlg note(TranslateQText(title), TranslateQText(message), true, this);
    if (note.DoModal() != kNoteOk)
        return false;
    m_ending = true;
    done(QDialog::Accepted);
    return true;
}

void CApplicationDlg::ConfirmExitFromCloseButton() {
    ConfirmExit(QStringLiteral("Confirm Exit"),
                QStringLiteral("Are you sure you want to exit Lumicord?"));
}

void CApplicationDlg::ConfirmExitFromTray() {
    ConfirmExit(QStringLiteral("Note"), QStringLiteral("Are you sure close program?"));
}

void CApplicationDlg::closeEvent(QCloseEvent* event) {
    // A close request from the desktop asks like the close button does.
    if (m_ending) {
        event->accept();
        return;
    }
    event->ignore();
    ConfirmExitFromCloseButton();
}

void CApplicationDlg::contextMenuEvent(QContextMenuEvent* event) {
    // The window's system menu: the desktop shows none for a borderless window.
    QMenu menu;
    menu.addAction(kAboutItem)->setData(kCommandAbout);
    if (QAction* chosen = menu.exec(event->globalPos()))
        OnCommand(chosen->data().toInt());
}

} // namespace lumicord
