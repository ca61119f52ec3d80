// The adapter selection and devices pages in the real main window, driving the real discovery
// manager and result store over a veth segment against lumicord-devsim: scans, tick boxes,
// sorting, the hand-over to the anti-theft page and the batch it starts followed to its end,
// lock codes refused by devices, Change, and the note instead of a scan when the capture
// device cannot be opened.
#include <QtTest>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <list>
#include <memory>

#include "TestSkin.h"
#include "VethSegment.h"
#include "app/SettingsFile.h"
#include "link/AcTransmitManage.h"
#include "link/MacText.h"
#include "platform/LocalClock.h"
#include "records/CSqlManagement.h"
#include "records/ResultLog.h"
#include "ui/grid/CGridCtrl.h"
#include "ui/pages/CAntiTheftProtectionDlg.h"
#include "ui/pages/CApplicationDlg.h"
#include "ui/pages/CDevicesControlDlg.h"
#include "ui/pages/CSelectAdapterDlg.h"
#include "ui/toolkit/ApplicationContext.h"
#include "ui/toolkit/CCustomComboBox.h"
#include "ui/toolkit/CNoteDlg.h"
#include "ui/toolkit/CTButtonPicture.h"
#include "ui/toolkit/CTEditGdiplus.h"
#include "ui/toolkit/CTPicture.h"
#include "ui/toolkit/WindowMessageEvent.h"

using namespace lumicord;
using namespace lumicord::testing;
using namespace std::chrono_literals;

namespace {

// The pages' second in these tests: a scan's 4-tick check takes 0.6 s, a batch at most 2.25 s.
constexpr auto kSecond = 150ms;
// For tests that tick the timers by hand: a second that never passes.
constexpr auto kNeverTicks = std::chrono::milliseconds(24 * 3600 * 1000);

std::string DeviceMacText(int number) {
    return MacText({0x02, 0x00, 0x00, 0x00, static_cast<std::uint8_t>(number >> 8),
                    static_cast<std::uint8_t>(number & 0xFF)});
}

// Drops (or gives back) CAP_NET_RAW from the calling thread's effective set: the thread then
// opens capture devices like a program started without capture rights.
bool SetRawCapture(bool on) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] = {};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    if (on)
        data[0].effective |= 1u << CAP_NET_RAW;
    else
        data[0].effective &= ~(1u << CAP_NET_RAW);
    return syscall(SYS_capset, &header, data) == 0;
}

} // namespace

class DevicePagesSegmentTest : public QObject {
    Q_OBJECT
    CSettings m_settings;
    CSkinPaths m_skin = test::CommittedSkinPaths();
    std::unique_ptr<CVethSegment> m_segment;
    std::filesystem::path m_dir;
    std::unique_ptr<CSqlManagement> m_store;
    std::unique_ptr<CResultLog> m_log;
    std::unique_ptr<AcTransmitManage> m_manager;
    std::unique_ptr<CApplicationDlg> m_window;

    // The main window over this test's manager and store, with the pages' second `second`.
    void OpenWindow(std::chrono::milliseconds second) {
        m_window = std::make_unique<CApplicationDlg>(
            CPageServices{m_manager.get(), m_store.get(), second});
        m_window->show();
    }
    CSelectAdapterDlg& AdapterPage() { return *m_window->SelectAdapterPage(); }
    CDevicesControlDlg& DevicesPage() { return *m_window->DevicesPage(); }
    bool Shown(int pageId) { return m_window->Page(pageId)->isVisible(); }

    // Picks the adapter whose display text ends in `macText`.
    void PickAdapter(const std::string& macText) {
        CCustomComboBox* list = AdapterPage().AdapterList();
        const int index =
            list->findText(QStringLiteral("(%1)").arg(macText.c_str()), Qt::MatchEndsWith);
        QVERIFY(index >= 0);
        list->setCurrentIndex(index);
    }

    void StartDevsim(const QStringList& args) {
        std::vector<std::string> argv = {LUMICORD_DEVSIM_PATH, "-i",
                                         CVethSegment::DeviceInterface()};
        for (const QString& arg : args)
            argv.push_back(arg.toStdString());
        QVERIFY(m_segment->Spawn(argv, (m_dir / "devsim.txt").string()) > 0);
    }

    int StoreRows() {
        std::list<ap_info_stu> rows;
        int count = 0, success = 0, fail = 0;
        m_store->ListDevices(rows, count, success, fail, true, SortByMac, u"");
        return count;
    }

    // Waits until the simulator answers with all `count` devices (it may still be opening its
    // interface), so that a page's scan afterwards sees them at once.
    bool WaitForDevices(int count) {
        std::vector<local_adapter_stu> adapters;
        m_manager->RefreshAdapters(adapters);
        for (const local_adapter_stu& adapter : adapters)
            if (std::strcmp(adapter.adapter_name, CVethSegment::AppInterface()) == 0)
                m_manager->ChooseAdapter(adapter);
        m_manager->Init();
        for (int attempt = 0; attempt < 50; ++attempt) {
            m_manager->BroadcastDiscovery();
            if (QTest::qWaitFor([&] { return StoreRows() >= count; }, 300))
                return StoreRows() == count;
        }
        return false;
    }

    void AddRow(const std::string& mac) {
        ap_discover_stu device{};
        std::strncpy(device.mac, mac.c_str(), sizeof device.mac - 1);
        m_store->AddDevice(device);
    }

    // A left click on grid cell (row, column), as the user makes it.
    void ClickCell(int row, int column) {
        CGridCtrl* grid = DevicesPage().Grid();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->CellRect(row, column).center());
    }

    std::vector<std::string> RowMacs() {
        std::vector<std::string> macs;
        for (int row = 1; row <= DevicesPage().Rows().Count(); ++row)
            macs.push_back(DevicesPage().Rows().At(row).mac);
        return macs;
    }

private slots:
    void initTestCase() {
        // The program's look without a settings file: every key at its default.
        m_settings = ReadSettings(std::string("/nonexistent/"));
        SetApplicationLook(&m_settings, &m_skin);
    }

    void init() {
        std::string whyNot;
        m_segment = CVethSegment::Create(whyNot);
        if (!m_segment)
            QSKIP(("no veth segment: " + whyNot).c_str());
        m_dir = std::filesystem::temp_directory_path() / ("pages-" + m_segment->Namespace());
        std::filesystem::create_directories(m_dir);
        m_store = std::make_unique<CSqlManagement>((m_dir / "data.mdb").string());
        m_log = std::make_unique<CResultLog>((m_dir / "Log").string() + "/");
        m_manager = std::make_unique<AcTransmitManage>(*m_store, *m_log);
    }

    void cleanup() {
        m_window.reset();
        if (m_manager)
            QVERIFY(m_manager->StopTransfers(5s));
        m_manager.reset();
        m_store.reset();
        m_log.reset();
        m_segment.reset();
        std::error_code error;
        if (!m_dir.empty())
            std::filesystem::remove_all(m_dir, error);
    }

    void startScanFindsEveryDeviceAndShowsThem() {
        StartDevsim({"-n", "30"});
        QVERIFY(WaitForDevices(30));
        OpenWindow(kSecond);
        PickAdapter(MacText(CVethSegment::AppMac()));
        CTButtonPicture* start = AdapterPage().StartButton();
        QTest::mouseClick(start, Qt::LeftButton);
        QVERIFY(!AdapterPage().IsIdle());
        QVERIFY(!start->isEnabled());
        QCOMPARE(start->text(), QStringLiteral("Scanning for devices   "));
        QVERIFY(AdapterPage().BusyPicture()->isVisible());
        QCOMPARE(m_manager->RunningLinkThreads(), 2);

        // A second press while scanning starts nothing: the store keeps the rows found so
        // far (a new scan would empty it first) and the scan goes on.
        QVERIFY(QTest::qWaitFor([&] { return StoreRows() == 30; }, 5000));
        AdapterPage().OnStartScan();
        QCOMPARE(StoreRows(), 30);
        QVERIFY(!AdapterPage().IsIdle());

        QTRY_VERIFY_WITH_TIMEOUT(Shown(kPageDevices), 10000);
        QVERIFY(AdapterPage().IsIdle());
        QCOMPARE(start->text(), QStringLiteral("Start Scan"));
        QVERIFY(start->isEnabled());
        QVERIFY(!AdapterPage().BusyPicture()->isVisibleTo(&AdapterPage()));
        QCOMPARE(DevicesPage().Rows().Count(), 30);
        CGridCtrl* grid = DevicesPage().Grid();
        QCOMPARE(grid->GetRowCount(), 31);
        QCOMPARE(grid->GetItemText(30, 1), QStringLiteral("30"));
        QCOMPARE(grid->GetItemText(30, 2), QString::fromStdString(DeviceMacText(30)));
        QCOMPARE(grid->GetItemImage(30, 3), int(kImageNone));
        QCOMPARE(grid->GetItemImage(30, 0), int(kImageUnselect));
        QCOMPARE(DevicesPage().Rows().At(1).mac, DeviceMacText(1)); // sorted by MAC
        QCOMPARE(DevicesPage().Rows().At(30).mac, DeviceMacText(30));
        QCOMPARE(DevicesPage().Rows().At(7).statusImage, kImageNone);
        QCOMPARE(DevicesPage().SortKey(), int(SortByMac));
        QVERIFY(DevicesPage().AdapterLabel().startsWith(QStringLiteral("NIC:")));

        // The devices page rescans on its own, with its own timer.
        DevicesPage().OnScan();
        QVERIFY(!DevicesPage().ScanAllowed());
        QCOMPARE(DevicesPage().ScanButton()->text(), QStringLiteral("Scanning   "));
        QVERIFY(!DevicesPage().ChangeButton()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(DevicesPage().ScanAllowed(), 10000);
        QCOMPARE(DevicesPage().ScanButton()->text(), QStringLiteral("Scan Devices"));
        QCOMPARE(DevicesPage().Rows().Count(), 30);
    }

    // No device answers: the scan ends at tick 4 with an empty grid. Change then comes back to
    // the adapter page with the adapter of that scan (not the first in the list) chosen.
    void emptySegmentThenChangeKeepsTheAdapter() {
        OpenWindow(kNeverTicks);
        CCustomComboBox* list = AdapterPage().AdapterList();
        QVERIFY(list->count() >= 2);
        list->setCurrentIndex(list->count() - 1);
        const QString used = list->currentText();
        AdapterPage().OnStartScan();
        for (int tick = 1; tick <= 3; ++tick) {
            AdapterPage().OnScanTimer();
            QVERIFY2(!AdapterPage().IsIdle(), qPrintable(QString::number(tick)));
        }
        AdapterPage().OnScanTimer();
        QVERIFY(AdapterPage().IsIdle());
        QVERIFY(!AdapterPage().IsScanTimerRunning());
        QVERIFY(Shown(kPageDevices));
        QCOMPARE(DevicesPage().Rows().Count(), 0);

        DevicesPage().OnChange();
        QVERIFY(Shown(kPageSelectAdapter));
        QCOMPARE(list->currentText(), used);
        QCOMPARE(list->currentIndex(), list->count() - 1);
        QCOMPARE(AdapterPage().RememberedAdapter(), used);
        QVERIFY(
            used.endsWith(QStringLiteral("(%1)").arg(MacText(m_manager->AdapterMac()).c_str())));
    }

    void headerBoxFollowsTheTicks() {
        OpenWindow(kNeverTicks);
        CDevicesControlDlg& page = DevicesPage();
        page.OnGridClick(0, 0); // nothing listed: stays 0
        QCOMPARE(page.HeaderImage(), kImageUnselect);
        QCOMPARE(page.Checks().TickedCount(), 0);

        for (int n = 1; n <= 4; ++n)
            AddRow(DeviceMacText(n));
        page.RefreshFromStore(true, true, u"", SortByMac);
        struct Click {
            int row;
            int column;
            GridImage header;
            int ticked;
        };
        const Click clicks[] = {
            {1, 0, kImagePartSelect, 1}, {2, 0, kImagePartSelect, 2}, {3, 0, kImagePartSelect, 3},
            {4, 0, kImageSelect, 4},     {2, 0, kImagePartSelect, 3}, {2, 2, kImagePartSelect, 3},
            {0, 0, kImageUnselect, 0},   {0, 0, kImageSelect, 4},     {0, 0, kImageUnselect, 0},
        };
        m_window->ShowPage(kPageDevices);
        for (const Click& click : clicks) {
            ClickCell(click.row, click.column);
            const QByteArray what =
                QByteArray::number(click.row) + "," + QByteArray::number(click.column);
            QVERIFY2(page.HeaderImage() == click.header, what);
            QVERIFY2(page.Checks().TickedCount() == click.ticked, what);
            QVERIFY2(page.Grid()->GetItemImage(0, 0) == click.header, what);
        }
        ClickCell(3, 0);
        QCOMPARE(page.Rows().At(3).checkImage, kImageSelect);
        QCOMPARE(page.Grid()->GetItemImage(3, 0), int(kImageSelect));
        QCOMPARE(page.Grid()->GetItemImage(2, 0), int(kImageUnselect));
        page.CollectSelectedDevices();
        QCOMPARE(page.SelectedDevices(), std::vector<std::string>{DeviceMacText(3)});
    }

    void sortClicksShareOneDirection() {
        OpenWindow(kNeverTicks);
        for (int n : {2, 4, 1, 3})
            AddRow(DeviceMacText(n));
        m_store->SetParaStatus(DeviceMacText(1), OperateFail);
        m_store->SetParaStatus(DeviceMacText(4), OperateSuccess);
        for (int n = 1; n <= 4; ++n)
            m_store->SetResult(DeviceMacText(n), m_store->GetDeviceResult(DeviceMacText(n)));
        CDevicesControlDlg& page = DevicesPage();
        const std::vector<std::string> up = {DeviceMacText(1), DeviceMacText(2), DeviceMacText(3),
                                             DeviceMacText(4)};
        const std::vector<std::string> down(up.rbegin(), up.rend());

        m_window->ShowPage(kPageDevices);
        ClickCell(0, SortByMac);
        QCOMPARE(RowMacs(), up);
        QCOMPARE(page.Grid()->GetSortColumn(), int(SortByMac));
        QVERIFY(page.Grid()->GetSortAscending());
        ClickCell(0, SortByMac);
        QCOMPARE(RowMacs(), down);
        QVERIFY(!page.Grid()->GetSortAscending());
        QCOMPARE(page.Grid()->GetItemText(1, 2), QString::fromStdString(DeviceMacText(4)));
        ClickCell(0, SortByResult); // the shared flag is back to ascending
        QCOMPARE(page.SortKey(), int(SortByResult));
        QCOMPARE(page.Rows().At(1).mac, DeviceMacText(4)); // result 0 (success) first
        QCOMPARE(page.Rows().At(1).statusImage, kImageSuccess);
        QCOMPARE(page.Rows().At(2).mac, DeviceMacText(1)); // then 1 (failed)
        QCOMPARE(page.Rows().At(2).statusImage, kImageError);
        QVERIFY(!page.Ascending());
    }

    // Ticked devices go to the anti-theft slot; the batch that page starts (statuses reset,
    // marked operating, one transmitter per device, message 0x464) is followed to its end.
    void batchShowsResultsAndCounts_data() {
        QTest::addColumn<QStringList>("devsim");
        QTest::addColumn<int>("success");
        QTest::addColumn<int>("failed");
        QTest::addColumn<bool>("runsFull");
        QTest::addColumn<int>("stillOperating"); // device number, or 0
        QTest::newRow("all final")
            << QStringList{"-n", "5", "--outcome", "failed@2,5"} << 3 << 2 << false << 0;
        QTest::newRow("one never acknowledges")
            << QStringList{"-n", "5", "--outcome", "mismatch@2", "--fault", "no-ack@4"} << 3 << 1
            << true << 4;
    }
    void batchShowsResultsAndCounts() {
        QFETCH(QStringList, devsim);
        QFETCH(int, success);
        QFETCH(int, failed);
        QFETCH(bool, runsFull);
        QFETCH(int, stillOperating);
        StartDevsim(devsim);
        QVERIFY(WaitForDevices(5));
        OpenWindow(kSecond);
        PickAdapter(MacText(CVethSegment::AppMac()));
        AdapterPage().OnStartScan();
        QTRY_VERIFY_WITH_TIMEOUT(Shown(kPageDevices), 10000);
        CDevicesControlDlg& page = DevicesPage();
        QCOMPARE(page.Rows().Count(), 5);

        CNoteDlg::setNextAnswer(kNoteOk);
        page.OnAntiTheft(); // nothing ticked
        QCOMPARE(CNoteDlg::LastShown().message, QStringLiteral("Please select the devices!"));
        QVERIFY(Shown(kPageDevices));

        page.OnGridClick(0, 0);
        QTest::mouseClick(page.AntiTheftButton(), Qt::LeftButton);
        QVERIFY(Shown(kPageAntiTheft));
        auto* antiTheft = qobject_cast<CAntiTheftProtectionDlg*>(m_window->Page(kPageAntiTheft));
        QVERIFY(antiTheft != nullptr);
        QCOMPARE(antiTheft->SelectedDevices(), page.SelectedDevices());
        QCOMPARE(page.SelectedDevices().size(), std::size_t(5));

        PostWindowMessage(&page, kAntiTheftBatchMessage, 0, 0); // lParam 0 is ignored
        QCoreApplication::sendPostedEvents(&page);
        QVERIFY(!page.BatchRunning());
        // Apply with protection off: statuses reset, marked operating, one transmitter per
        // device, message 0x464 with the page's address, and the devices page shown.
        antiTheft->Field(AntiTheftField::LockCode)->SetRealText(QStringLiteral("1234"));
        antiTheft->OnSwitch();
        CNoteDlg::setNextAnswer(kNoteOk);
        QTest::mouseClick(antiTheft->Button(1212), Qt::LeftButton);
        QVERIFY(Shown(kPageDevices));
        QCoreApplication::sendPostedEvents(&page);
        QVERIFY(page.BatchRunning());
        QVERIFY(!page.ScanButton()->isEnabled());
        QVERIFY(!page.AntiTheftButton()->isEnabled());
        for (int row = 1; row <= 5; ++row)
            QCOMPARE(page.Rows().At(row).statusImage, kImageNone);

        bool sawOperating = false;
        int secondsSeen = 0; // batch seconds counted before the end check that ended it
        QVERIFY(QTest::qWaitFor(
            [&] {
                for (int row = 1; row <= 5; ++row)
                    sawOperating |= page.Rows().At(row).statusImage == kImageOperating;
                secondsSeen = std::max(secondsSeen, page.BatchSeconds());
                return !page.BatchRunning();
            },
            30000));
        if (runsFull)
            QCOMPARE(secondsSeen, 12); // ended by the check at 15 s
        else
            QVERIFY(secondsSeen < 12);
        QCOMPARE(page.SuccessCount(), success);
        QCOMPARE(page.FailCount(), failed);
        QVERIFY(page.ScanButton()->isEnabled());
        QVERIFY(page.SelectedDevices().empty());
        QCOMPARE(page.HeaderImage(), kImageUnselect);
        int successImages = 0, errorImages = 0;
        for (int row = 1; row <= 5; ++row) {
            const GridImage image = page.Rows().At(row).statusImage;
            QCOMPARE(page.Grid()->GetItemImage(row, 3), int(image));
            successImages += image == kImageSuccess;
            errorImages += image == kImageError;
            QCOMPARE(page.Rows().At(row).checkImage, kImageUnselect);
        }
        QCOMPARE(successImages, success);
        QCOMPARE(errorImages, failed);
        if (stillOperating != 0) {
            QVERIFY(sawOperating);
            QCOMPARE(page.Rows().At(page.Rows().Find(DeviceMacText(stillOperating))).statusImage,
                     kImageOperating);
        }
    }

    // The anti-theft page run for real against devices that hold lock codes: the matching
    // devices end "Operate success", the other "Lockcode mismatch"; the devices page shows
    // their images and counts, and the day's logs hold their records.
    void antiTheftLockCodesThroughThePages() {
        StartDevsim({"-n", "3", "--lock-code", "Site-7@1-2", "--lock-code", "other@3"});
        QVERIFY(WaitForDevices(3));
        OpenWindow(kSecond);
        PickAdapter(MacText(CVethSegment::AppMac()));
        AdapterPage().OnStartScan();
        QTRY_VERIFY_WITH_TIMEOUT(Shown(kPageDevices), 10000);
        CDevicesControlDlg& page = DevicesPage();
        page.OnGridClick(0, 0);
        QTest::mouseClick(page.AntiTheftButton(), Qt::LeftButton);
        auto* antiTheft = qobject_cast<CAntiTheftProtectionDlg*>(m_window->Page(kPageAntiTheft));
        QVERIFY(antiTheft != nullptr && antiTheft->isVisible());
        const std::pair<AntiTheftField, const char*> fields[] = {
            {AntiTheftField::LockCode, "Site-7"},
            {AntiTheftField::ConfirmLockCode, "Site-7"},
            {AntiTheftField::AcName, "AC 1"},
            {AntiTheftField::PrimaryDns, "8.8.4.4"},
        };
        for (const auto& [field, text] : fields)
            antiTheft->Field(field)->SetRealText(QString::fromUtf8(text));
        CNoteDlg::setNextAnswer(kNoteOk);
        QTest::mouseClick(antiTheft->Button(1212), Qt::LeftButton);
        QVERIFY(Shown(kPageDevices));
        QTRY_VERIFY(page.BatchRunning());
        QVERIFY(QTest::qWaitFor([&] { return !page.BatchRunning(); }, 30000));
        QCOMPARE(page.SuccessCount(), 2);
        QCOMPARE(page.FailCount(), 1);
        for (int device = 1; device <= 3; ++device) {
            const std::string mac = DeviceMacText(device);
            const GridImage image = page.Rows().At(page.Rows().Find(mac)).statusImage;
            QCOMPARE(image, device < 3 ? kImageSuccess : kImageError);
            std::list<ap_info_stu> rows;
            int count = 0, ok = 0, failed = 0;
            m_store->ListDevices(rows, count, ok, failed, true, SortByMac,
                                 std::u16string(mac.begin(), mac.end()));
            QCOMPARE(rows.size(), std::size_t(1));
            QCOMPARE(rows.front().antitheft_status,
                     device < 3 ? int(OperateSuccess) : int(LockcodeMismatch));
        }
        const LocalTime now = ReadLocalTime();
        char day[16];
        std::snprintf(day, sizeof day, "%04d-%02d-%02d", now.year, now.month, now.day);
        const auto read = [&](const char* name) {
            QFile file(QString::fromStdString((m_dir / "Log" / day / name).string()));
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        const QString success = read("Success.txt");
        const QString fail = read("Fail.txt");
        QCOMPARE(success.count(QStringLiteral("\tJSON_CMD_DATA\t")), 2);
        QVERIFY(success.contains(QString::fromStdString(DeviceMacText(2) + "\tJSON_CMD_DATA")));
        QCOMPARE(fail.count(QString::fromStdString(DeviceMacText(3) + "\tJSON_CMD_DATA")), 1);
    }

    // More devices than the 1023 rows a fixed table would hold: all listed, all ticked.
    void fifteenHundredDevicesListedAndTicked() {
        StartDevsim({"-n", "1500"});
        QVERIFY(WaitForDevices(1500)); // requests repeated until every device is in
        OpenWindow(kNeverTicks);
        CDevicesControlDlg& page = DevicesPage();
        page.RefreshFromStore(true, true, u"", SortByMac);
        QCOMPARE(page.Rows().Count(), 1500);
        page.OnGridClick(0, 0);
        QCOMPARE(page.Checks().TickedCount(), 1500);
        QCOMPARE(page.HeaderImage(), kImageSelect);
        QCOMPARE(page.Rows().At(1500).checkImage, kImageSelect);
        QCOMPARE(page.Grid()->GetRowCount(), 1501);
        QCOMPARE(page.Grid()->GetItemImage(1500, 0), int(kImageSelect));
        page.OnGridClick(1500, 0);
        QCOMPARE(page.HeaderImage(), kImagePartSelect);
        page.OnGridClick(1500, 0);
        page.CollectSelectedDevices();
        QCOMPARE(page.SelectedDevices().size(), std::size_t(1500));
        QCOMPARE(page.SelectedDevices().back(), DeviceMacText(1500));
    }

    // Without capture rights a scan would find nothing and look like an empty segment: both
    // pages say why instead, and start nothing.
    void scanWithoutCaptureRightsShowsWhy() {
        OpenWindow(kNeverTicks);
        PickAdapter(MacText(CVethSegment::AppMac()));
        AddRow(DeviceMacText(1));
        QVERIFY(SetRawCapture(false));
        CNoteDlg::setNextAnswer(kNoteOk);
        AdapterPage().OnStartScan();
        const NoteShown adapterNote = CNoteDlg::LastShown();
        m_window->ShowPage(kPageDevices);
        CNoteDlg::setNextAnswer(kNoteOk);
        DevicesPage().OnScan();
        const NoteShown devicesNote = CNoteDlg::LastShown();
        QVERIFY(SetRawCapture(true));

        for (const NoteShown& note : {adapterNote, devicesNote}) {
            QCOMPARE(note.title, QStringLiteral("Note"));
            QVERIFY2(note.message.contains(QStringLiteral("Cannot capture on lumi-app")),
                     qPrintable(note.message));
            QVERIFY(note.message.contains(
                QStringLiteral("sudo setcap cap_net_raw,cap_net_admin+eip ")));
        }
        QVERIFY(AdapterPage().IsIdle());
        QVERIFY(!AdapterPage().IsScanTimerRunning());
        QVERIFY(AdapterPage().StartButton()->isEnabled());
        QVERIFY(DevicesPage().ScanAllowed());
        QVERIFY(DevicesPage().ScanButton()->isEnabled());
        QCOMPARE(m_manager->RunningLinkThreads(), 0);
        QCOMPARE(StoreRows(), 1); // not emptied for a scan

        // With the rights back the same press scans.
        AdapterPage().OnStartScan();
        QVERIFY(!AdapterPage().IsIdle());
        QCOMPARE(StoreRows(), 0);
    }

    void noAdapterChosenShowsTheNote() {
        OpenWindow(kNeverTicks);
        AddRow(DeviceMacText(1));
        AdapterPage().AdapterList()->SetCurSel(-1);
        CNoteDlg::setNextAnswer(kNoteOk);
        AdapterPage().OnStartScan();
        QCOMPARE(CNoteDlg::LastShown().message,
                 QStringLiteral("Ensure the computer's NIC is enabled!"));
        QVERIFY(AdapterPage().IsIdle());
        QCOMPARE(StoreRows(), 1);
        QCOMPARE(AdapterPage().AdapterList()->GetCurSel(), 0); // the list was refreshed
    }

    void adapterLabelIsCut_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        QTest::newRow("10") << "Ethernet 1"
                            << "NIC:Ethernet 1";
        QTest::newRow("24") << "ABCDEFGHIJKLMNOPQRSTUVWX"
                            << "NIC:ABCDEFGHIJKLMNOPQRSTUVWX...";
        QTest::newRow("30") << "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123"
                            << "NIC:ABCDEFGHIJKLMNOPQRSTUVWX...";
    }
    void adapterLabelIsCut() {
        QFETCH(QString, name);
        QFETCH(QString, label);
        OpenWindow(kNeverTicks);
        DevicesPage().UpdateAdapterLabel(name);
        QCOMPARE(DevicesPage().AdapterLabel(), label);
    }
};

QTEST_MAIN(DevicePagesSegmentTest)
#include "DevicePagesSegmentTest.moc"
