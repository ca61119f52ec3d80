#include "ui/pages/CDevicesControlDlg.h"

#include <QTimerEvent>
#include <cstring>

#include "link/AcTransmitManage.h"
#include "records/CSqlManagement.h"
#include "ui/grid/CGridCtrl.h"
#include "ui/grid/CGridImageList.h"
#include "ui/grid/GridCellStyle.h"
#include "ui/pages/CApplicationDlg.h"
#include "ui/pages/CSelectAdapterDlg.h"
#include "ui/pages/CaptureCheck.h"
#include "ui/pages/SelectedDevicesReceiver.h"
#include "ui/toolkit/ApplicationContext.h"
#include "ui/toolkit/CNoteDlg.h"
#include "ui/toolkit/CTButtonPicture.h"
#include "ui/toolkit/CTPicture.h"
#include "ui/toolkit/CTStaticGdiplus.h"
#include "ui/toolkit/ColorRefQt.h"
#include "ui/toolkit/QtText.h"
#include "ui/toolkit/WindowMessageEvent.h"
#include "ui/toolkit/WindowTranslation.h"

namespace lumicord {
namespace {
constexpr int kTemplate = 161;
constexpr int kCustomization = 1003;
constexpr int kAntiTheft = 1004;
constexpr int kScan = 1005;
constexpr int kBusy = 1190;
constexpr int kAdapterLabel = 1192;
constexpr int kChange = 1074;
constexpr int kSuccessCount = 1194;
constexpr int kFailCount = 1196;
constexpr int kTickedCount = 1200;
constexpr int kGrid = 1015;
constexpr int kAdapterNameShown = 24;
const QString kYaHei = QStringLiteral("Microsoft YaHei");
const QString kScanText = QStringLiteral("Scan Devices");
const QString kScanningText = QStringLiteral("Scanning   ");

} // namespace

CDevicesControlDlg::CDevicesControlDlg(const CPageServices& services, QWidget* parent)
    : CTDialog(kTemplate, parent), m_services(services) {
    TranslateWindow(this);
    StyleControls();
    SetUpGrid();
    UpdateAdapterLabel(QString());
}

CDevicesControlDlg::~CDevicesControlDlg() {
    // The grid outlives the members: it must not keep the image list.
    m_grid->SetImageList(nullptr);
}

CTButtonPicture* CDevicesControlDlg::ScanButton() const {
    return ControlAs<CTButtonPicture>(kScan);
}
CTButtonPicture* CDevicesControlDlg::CustomizationButton() const {
    return ControlAs<CTButtonPicture>(kCustomization);
}
CTButtonPicture* CDevicesControlDlg::AntiTheftButton() const {
    return ControlAs<CTButtonPicture>(kAntiTheft);
}
CTButtonPicture* CDevicesControlDlg::ChangeButton() const {
    return ControlAs<CTButtonPicture>(kChange);
}
CTPicture* CDevicesControlDlg::BusyPicture() const {
    return ControlAs<CTPicture>(kBusy);
}

void CDevicesControlDlg::StyleControls() {
    const CSkinPaths& skin = ApplicationSkinPaths();
    m_fillEnabled = true;
    m_fillColor = ApplicationSettings().childBkColor;
    for (int id : {kCustomization, kAntiTheft, kScan}) {
        CTButtonPicture* button = ControlAs<CTButtonPicture>(id);
        button->SetImages(SkinFile(skin.protectionBtnNormal), SkinFile(skin.protectionBtnOver),
                          SkinFile(skin.protectionBtnDown), SkinFile(skin.protectionBtnDisable));
        button->m_fontHeight = 14;
        button->m_faceName = kYaHei;
    }
    const QString change = SkinFile(skin.changeBtnNormal);
    ChangeButton()->SetImages(change, change, change, change);
    // The change picture is a light button: its text is in the skin's red.
    ChangeButton()->m_textColorNormal = ChangeButton()->m_textColorActive =
        ChangeButton()->m_textColorDisabled = MakeColorRef(216, 34, 40);
    ChangeButton()->m_fontHeight = 12;
    ChangeButton()->m_faceName = kYaHei;
    for (int id : {1192, 1193, 1194, 1195, 1196, 1198, 1199, 1200}) {
        if (auto* label = ControlAs<CTStaticGdiplus>(id)) {
            label->SetFont(13, 400, false, false, kYaHei, false);
            label->m_textColorNormal = MakeColorRef(68, 68, 79);
            label->Redraw();
        }
    }
    CTPicture* busy = AttachControl(kBusy, new CTPicture(this));
    if (busy->Load(SkinFile(skin.waitSearch)))
        busy->Draw();
    busy->hide();
    connect(CustomizationButton(), &QPushButton::clicked, this,
            &CDevicesControlDlg::OnCustomization);
    connect(AntiTheftButton(), &QPushButton::clicked, this, &CDevicesControlDlg::OnAntiTheft);
    connect(ScanButton(), &QPushButton::clicked, this, &CDevicesControlDlg::OnScan);
    connect(ChangeButton(), &QPushButton::clicked, this, &CDevicesControlDlg::OnChange);
}

void CDevicesControlDlg::SetUpGrid() {
    const CSkinPaths& skin = ApplicationSkinPaths();
    const CSettings& settings = ApplicationSettings();
    // The order makes the image indexes of GridImage.
    m_images = std::make_unique<CGridImageList>(QSize(24, 24));
    for (const std::string* file : {&skin.unselect, &skin.select, &skin.partSelect, &skin.success,
                                    &skin.error, &skin.operating})
        m_images->AddFile(SkinFile(*file));
    m_grid = AttachControl(kGrid, new CGridCtrl(this));
    m_grid->SetImageList(m_images.get());
    m_grid->AddImageColumn(0);
    m_grid->AddImageColumn(3);
    m_grid->EnableSelection(true);
    m_grid->SetGridBkColor(ToQColor(settings.childBkColor));
    m_grid->SetGridLineColor(ToQColor(settings.lineColor));
    m_grid->SetEditable(false);
    m_grid->SetGridLines(GridLines::Horizontal);
    m_grid->SetFixedRowCount(1);
    m_grid->SetColumnCount(4);
    m_grid->SetRowHeight(0, 38);
    SetGridTitleCell(*m_grid, 0, 63, QString());
    SetGridTitleCell(*m_grid, 1, 232, TranslateQText(QStringLiteral("No.")));
    SetGridTitleCell(*m_grid, 2, 341, TranslateQText(QStringLiteral("MAC Address")));
    SetGridTitleCell(*m_grid, 3, 127, TranslateQText(QStringLiteral("Status")));
    ShowRowImages(0);
    connect(m_grid, &CGridCtrl::clicked, this, &CDevicesControlDlg::OnGridClick);
}

void CDevicesControlDlg::ShowRowImages(int row) {
    if (row == 0) {
        m_grid->SetItemImage(0, 0, m_headerImage);
        return;
    }
    const DeviceRow& shown = m_rows.At(row);
    m_grid->SetItemImage(row, 0, shown.checkImage);
    m_grid->SetItemImage(row, 3, shown.statusImage);
}

void CDevicesControlDlg::UpdateAdapterLabel(const QString& adapterText) {
    auto* label = ControlAs<CTStaticGdiplus>(kAdapterLabel);
    label->setToolTip(adapterText);
    const QString shown = adapterText.size() >= kAdapterNameShown
                              ? adapterText.left(kAdapterNameShown) + QStringLiteral("...")
                              : adapterText;
    label->SetText(QStringLiteral("NIC:") + shown);
}

QString CDevicesControlDlg::AdapterLabel() const {
    return ControlAs<CTStaticGdiplus>(kAdapterLabel)->DrawnText();
}

void CDevicesControlDlg::SetControlsEnabled(bool on) {
    for (int id : {kAntiTheft, kCustomization, kGrid, kChange})
        Control(id)->setEnabled(on);
    BusyPicture()->setVisible(!on);
    ScanButton()->setEnabled(on);
    ScanButton()->setText(on ? kScanText : kScanningText);
}

void CDevicesControlDlg::OnScan() {
    if (!m_scanAllowed || !m_services.Valid())
        return;
    if (!CheckCaptureUsable(*m_services.manager, this))
        return;
    m_scanTimer.stop();
    m_scanAllowed = false;
    SetControlsEnabled(false);
    m_services.manager->ClearDevices();
    m_services.store->DeleteAll();
    m_services.manager->BroadcastDiscovery();
    m_scan = CScanProgress();
    m_scanTimer.start(m_services.Period(1), this);
}

void CDevicesControlDlg::OnScanTimer() {
    std::list<ap_info_stu> rows;
    int count = 0;
    int success = 0;
    int fail = 0;
    m_services.store->ListDevices(rows, count, success, fail, true, SortByMac, u"");
    const ScanStep step = m_scan.OnTick(count);
    if (step == ScanStep::Rebroadcast) {
        m_services.manager->BroadcastDiscovery();
    } else if (step == ScanStep::Finished) {
        m_scanTimer.stop();
        m_scanAllowed = true;
        SetControlsEnabled(true);
        RefreshFromStore(true, m_ascending, u"", SortByMac);
    }
}

void CDevicesControlDlg::RefreshFromStore(bool refill, bool ascending, const std::u16string& filter,
                                          int key) {
    std::list<ap_info_stu> rows;
    int count = 0;
    int success = 0;
    int fail = 0;
    if (m_services.Valid())
        m_services.store->ListDevices(rows, count, success, fail, ascending, key, filter);
    m_sortKey = key;
    if (refill)
        FillGrid(rows);
    m_grid->SetSortColumn(key);
    m_grid->SetSortAscending(ascending);
    m_successCount = success;
    m_failCount = fail;
    ControlAs<CTStaticGdiplus>(kSuccessCount)->SetText(QString::number(success));
    ControlAs<CTStaticGdiplus>(kFailCount)->SetText(QString::number(fail));
}

void CDevicesControlDlg::FillGrid(const std::list<ap_info_stu>& rows) {
    m_rows.Clear();
    m_grid->DeleteNonFixedRows();
    // The listing carries each row's three statuses: the combined result comes from them
    // rather than from one more query per row.
    for (const ap_info_stu& row : rows) {
        const std::string mac(row.mac, strnlen(row.mac, sizeof row.mac));
        const QString number = QString::number(m_grid->GetRowCount());
        const int result = CombineStatuses(row.para_status, row.logo_status, row.antitheft_status);
        const int at = m_rows.Append(mac, StatusImageFor(result));
        m_grid->InsertRow(QString());
        SetGridBodyCell(*m_grid, at, 0, QString());
        SetGridBodyCell(*m_grid, at, 1, number);
        SetGridBodyCell(*m_grid, at, 2, QString::fromLatin1(mac.c_str()));
        SetGridBodyCell(*m_grid, at, 3, QString());
        ShowRowImages(at);
    }
    m_checks.Reset(m_rows.Count());
    m_headerImage = kImageUnselect;
    ShowRowImages(0);
    m_grid->viewport()->update();
}

void CDevicesControlDlg::OnGridClick(int row, int column) {
    if (row == 0 && (column == SortByMac || column == SortByResult)) {
        RefreshFromStore(true, m_ascending, u"", column);
        m_ascending = !m_ascending;
    } else if (row == 0 && column == 0) {
        m_checks.ClickHeader();
        const GridImage image = m_checks.TickedCount() > 0 ? kImageSelect : kImageUnselect;
        for (int r = 1; r <= m_rows.Count(); ++r) {
            m_rows.At(r).checkImage = image;
            ShowRowImages(r);
        }
    } else if (row >= 1 && row <= m_rows.Count() && column == 0) {
        m_checks.ToggleRow(row);
        m_rows.At(row).checkImage = m_checks.IsTicked(row) ? kImageSelect : kImageUnselect;
        ShowRowImages(row);
    }
    ShowHeaderState();
    m_grid->viewport()->update();
}

void CDevicesControlDlg::ShowHeaderState() {
    m_headerImage = static_cast<GridImage>(m_checks.HeaderState());
    ShowRowImages(0);
    if (auto* ticked = ControlAs<CTStaticGdiplus>(kTickedCount))
        ticked->SetText(QString::number(m_checks.TickedCount()));
}

void CDevicesControlDlg::CollectSelectedDevices() {
    m_selected.clear();
    for (int row : m_checks.TickedRows())
        m_selected.push_back(m_rows.At(row).mac);
}

void CDevicesControlDlg::HandOver(int pageId) {
    CollectSelectedDevices();
    if (m_selected.empty()) {
        CNoteDlg note(TranslateQText(QStringLiteral("Note")),
                      TranslateQText(QStringLiteral("Please select the devices!")), false, this);
        note.DoModal();
        return;
    }
    auto* mainWindow = qobject_cast<CApplicationDlg*>(parentWidget());
    if (mainWindow == nullptr)
        return;
    mainWindow->ShowPage(pageId);
    if (auto* receiver = dynamic_cast<CSelectedDevicesReceiver*>(mainWindow->Page(pageId)))
        receiver->SetSelectedDevices(m_selected);
}

void CDevicesControlDlg::OnCustomization() {
    HandOver(kPageCustomization);
}

void CDevicesControlDlg::OnAntiTheft() {
    HandOver(kPageAntiTheft);
}

void CDevicesControlDlg::OnChange() {
    auto* mainWindow = qobject_cast<CApplicationDlg*>(parentWidget());
    if (mainWindow != nullptr) {
        mainWindow->SetBackgroundImage(SkinFile(ApplicationSkinPaths().mainBkPng));
        if (CSelectAdapterDlg* adapters = mainWindow->SelectAdapterPage())
            adapters->RefreshAdapterList();
        mainWindow->ShowPage(kPageSelectAdapter);
    }
    m_checks.ClearAll();
}

bool CDevicesControlDlg::event(QEvent* event) {
    if (event->type() == WindowMessageEvent::EventType()) {
        const auto* message = static_cast<WindowMessageEvent*>(event);
        if ((message->Message() == kAntiTheftBatchMessage ||
             message->Message() == kCustomizeBatchMessage) &&
            message->LParam() != 0)
            OnBatchStart();
        return true;
    }
    return CTDialog::event(event);
}

void CDevicesControlDlg::OnBatchStart() {
    for (int row = 1; row <= m_rows.Count(); ++row) {
        m_rows.At(row).statusImage = kImageNone;
        ShowRowImages(row);
    }
    m_grid->viewport()->update();
    SetControlsEnabled(false);
    StopBatchTimers();
    if (m_services.Valid())
        m_batch = std::make_unique<CBatchProgress>(*m_services.store, m_selected);
    m_pollTimer.start(m_services.Period(1), this);
    m_countTimer.start(m_services.Period(2), this);
    m_endTimer.start(m_services.Period(3), this);
}

void CDevicesControlDlg::StopBatchTimers() {
    m_endTimer.stop();
    m_pollTimer.stop();
    m_countTimer.stop();
}

void CDevicesControlDlg::OnPollTimer() {
    if (m_batch)
        m_batch->PollResults(
            [this](const std::string& mac, DeviceResult result) { UpdateDeviceRow(mac, result); });
}

void CDevicesControlDlg::OnCountTimer() {
    RefreshFromStore(false, m_ascending, u"", SortByMac);
    if (m_batch)
        m_batch->SetCounts(m_successCount, m_failCount);
}

void CDevicesControlDlg::OnEndTimer() {
    if (m_batch && !m_batch->OnEndCheck())
        return;
    StopBatchTimers();
    m_selected.clear();
    m_batch.reset();
    SetControlsEnabled(true);
}

void CDevicesControlDlg::UpdateDeviceRow(const std::string& mac, int result) {
    if (const int row = m_rows.Find(mac); row > 0) {
        m_rows.At(row).checkImage = kImageUnselect;
        m_rows.At(row).statusImage = StatusImageFor(result);
        ShowRowImages(row);
        m_grid->viewport()->update();
    }
    m_headerImage = kImageUnselect;
    ShowRowImages(0);
    m_checks.ClearAll();
}

void CDevicesControlDlg::timerEvent(QTimerEvent* event) {
    const int id = event->timerId();
    if (id == m_scanTimer.timerId())
        OnScanTimer();
    else if (id == m_pollTimer.timerId())
        OnPollTimer();
    else if (id == m_countTimer.timerId())
        OnCountTimer();
    else if (id == m_endTimer.timerId())
        OnEndTimer();
    CTDialog::timerEvent(event);
}

} // namespace lumicord
