#include "ui/pages/CSelectAdapterDlg.h"

#include <QTimerEvent>
#include <list>
#include <vector>

#include "link/AcTransmitManage.h"
#include "records/CSqlManagement.h"
#include "ui/pages/CApplicationDlg.h"
#include "ui/pages/CDevicesControlDlg.h"
#include "ui/pages/CaptureCheck.h"
#include "ui/toolkit/ApplicationContext.h"
#include "ui/toolkit/CCustomComboBox.h"
#include "ui/toolkit/CNoteDlg.h"
#include "ui/toolkit/CTButtonPicture.h"
#include "ui/toolkit/CTPicture.h"
#include "ui/toolkit/CTStaticGdiplus.h"
#include "ui/toolkit/QtText.h"
#include "ui/toolkit/WindowTranslation.h"

namespace lumicord {
namespace {
constexpr int kTemplate = 160;
constexpr int kLogo = 1191;
constexpr int kTitle = 1131;
constexpr int kAdapterList = 1013;
constexpr int kStartScan = 1241;
constexpr int kBusy = 1190;
constexpr int kFooter = 1189;
const QString kYaHei = QStringLiteral("Microsoft YaHei");

int StoreRowCount(CSqlManagement& store) {
    std::list<ap_info_stu> rows;
    int count = 0;
    int success = 0;
    int fail = 0;
    store.ListDevices(rows, count, success, fail, true, SortByMac, u"");
    return count;
}

} // namespace

CSelectAdapterDlg::CSelectAdapterDlg(const CPageServices& services, QWidget* parent)
    : CTDialog(kTemplate, parent), m_services(services) {
    TranslateWindow(this);
    StyleControls();
    SetRoundCorners(this, rect());
    RefreshAdapterList();
}

CCustomComboBox* CSelectAdapterDlg::AdapterList() const {
    return ControlAs<CCustomComboBox>(kAdapterList);
}

CTButtonPicture* CSelectAdapterDlg::StartButton() const {
    return ControlAs<CTButtonPicture>(kStartScan);
}

CTPicture* CSelectAdapterDlg::BusyPicture() const {
    return ControlAs<CTPicture>(kBusy);
}

void CSelectAdapterDlg::StyleControls() {
    const CSkinPaths& skin = ApplicationSkinPaths();
    m_fillEnabled = true;
    m_fillColor = ApplicationSettings().childBkColor;

    CTPicture* logo = AttachControl(kLogo, new CTPicture(this));
    if (logo->Load(SkinFile(skin.brimlaLogo)))
        logo->Draw();
    CTPicture* busy = AttachControl(kBusy, new CTPicture(this));
    if (busy->Load(SkinFile(skin.waitSearch)))
        busy->Draw();
    busy->hide();

    CCustomComboBox* list = AttachControl(kAdapterList, new CCustomComboBox(this));
    list->SetFontFace(kYaHei);
    list->SetArrowImages(SkinFile(skin.comboxDown));
    list->m_faceHeight = 24; // an edit field 18 high inside the frame
    list->m_itemHeight = 20;
    list->m_listBackground = MakeColorRef(255, 255, 255);
    list->m_faceFill = MakeColorRef(255, 255, 255);
    list->m_highlightFill = MakeColorRef(251, 232, 233);
    list->m_highlightText = MakeColorRef(216, 34, 40);
    list->m_itemText = MakeColorRef(50, 50, 50);
    list->m_faceBorder = MakeColorRef(180, 180, 180);
    list->m_faceBorderActive = MakeColorRef(216, 34, 40);
    if (auto* title = ControlAs<CTStaticGdiplus>(kTitle)) {
        title->SetFont(20, 500, false, false, kYaHei, false);
        title->m_textColorNormal = MakeColorRef(128, 128, 128);
        title->m_alignment = kStaticCentre;
        title->Redraw();
    }
    if (auto* footer = ControlAs<CTStaticGdiplus>(kFooter)) {
        footer->SetFont(13, 0, false, false, kYaHei, false);
        footer->m_textColorNormal = MakeColorRef(180, 180, 180);
        footer->m_alignment = kStaticCentre;
        footer->Redraw();
    }
    CTButtonPicture* start = StartButton();
    start->SetImages(SkinFile(skin.scanBtnNormal), SkinFile(skin.scanBtnOver),
                     SkinFile(skin.scanBtnDown), SkinFile(skin.scanBtnDisable));
    start->m_textColorNormal = start->m_textColorActive = start->m_textColorDisabled =
        MakeColorRef(255, 255, 255);
    start->m_fontHeight = 17;
    start->m_fontWeight = 400;
    start->m_faceName = kYaHei;
    connect(start, &QPushButton::clicked, this, &CSelectAdapterDlg::OnStartScan);
}

void CSelectAdapterDlg::RefreshAdapterList() {
    CCustomComboBox* list = AdapterList();
    std::vector<local_adapter_stu> adapters;
    if (m_services.Valid())
        m_services.manager->RefreshAdapters(adapters);
    list->ResetContent();
    for (const local_adapter_stu& adapter : adapters)
        list->AddItem(ToQString(AdapterDisplayText(adapter)));
    if (adapters.empty())
        return;
    if (!m_rememberedAdapter.isEmpty()) {
        const int found = list->findText(m_rememberedAdapter, Qt::MatchExactly);
        if (found >= 0) {
            list->SetCurSel(found);
            m_services.manager->ChooseAdapter(adapters[static_cast<std::size_t>(found)]);
            return;
        }
    }
    m_rememberedAdapter = list->GetItemText(0);
    list->SetCurSel(0);
    m_services.manager->ChooseAdapter(adapters.front());
}

void CSelectAdapterDlg::SetScanning(bool scanning) {
    m_idle = !scanning;
    BusyPicture()->setVisible(scanning);
    StartButton()->setEnabled(!scanning);
    StartButton()->setText(scanning ? QStringLiteral("Scanning for devices   ")
                                    : QStringLiteral("Start Scan"));
}

void CSelectAdapterDlg::OnStartScan() {
    if (!m_idle || !m_services.Valid())
        return;
    const int selected = AdapterList()->GetCurSel();
    if (selected < 0) {
        CNoteDlg note(TranslateQText(QStringLiteral("Note")),
                      TranslateQText(QStringLiteral("Ensure the computer's NIC is enabled!")),
                      false, this);
        note.DoModal();
        RefreshAdapterList();
        return;
    }
    m_scanTimer.stop();
    SetScanning(true);

    AcTransmitManage& manager = *m_services.manager;
    std::vector<local_adapter_stu> adapters;
    manager.RefreshAdapters(adapters);
    const bool chosen = static_cast<std::size_t>(selected) < adapters.size();
    if (chosen) {
        m_rememberedAdapter = ToQString(AdapterDisplayText(adapters[std::size_t(selected)]));
        manager.ChooseAdapter(adapters[static_cast<std::size_t>(selected)]);
    }
    // A scan on a device that cannot be opened would find nothing and pass for an empty
    // segment: say why instead and stay idle.
    if (!CheckCaptureUsable(manager, this)) {
        SetScanning(false);
        return;
    }
    if (chosen)
        manager.Init();
    manager.ClearDevices();
    m_services.store->DeleteAll();
    manager.BroadcastDiscovery();
    m_scan = CScanProgress();
    m_scanTimer.start(m_services.Period(1), this);
}

void CSelectAdapterDlg::OnScanTimer() {
    const ScanStep step = m_scan.OnTick(StoreRowCount(*m_services.store));
    if (step == ScanStep::Rebroadcast)
        m_services.manager->BroadcastDiscovery();
    else if (step == ScanStep::Finished)
        EndScan();
}

void CSelectAdapterDlg::EndScan() {
    m_scanTimer.stop();
    SetScanning(false);
    auto* mainWindow = qobject_cast<CApplicationDlg*>(parentWidget());
    if (mainWindow == nullptr)
        return;
    mainWindow->ShowPage(kPageDevices);
    if (auto* devices = mainWindow->DevicesPage()) {
        devices->UpdateAdapterLabel(m_rememberedAdapter);
        devices->RefreshFromStore(true, devices->Ascending(), u"", SortByMac);
    }
}

void CSelectAdapterDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_scanTimer.timerId())
        OnScanTimer();
    CTDialog::timerEvent(event);
}

} // namespace lumicord
