// The devices page with 1000 devices, on Qt's offscreen platform: refilling the grid from the
// store plus one paint of the page, and one tick each of the batch timers 1000 (every selected
// device's result read, stored and shown; the first tick of a batch stores all of them) and
// 2000 (the counts) with 1000 devices selected.
// The window must never stall: each should stay well under 50 ms.
#include <QApplication>
#include <QPixmap>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/SkinPaths.h"
#include "link/AcTransmitManage.h"
#include "records/CSqlManagement.h"
#include "records/ResultLog.h"
#include "ui/pages/CDevicesControlDlg.h"
#include "ui/toolkit/ApplicationContext.h"

using namespace lumicord;

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kDevices = 1000;
constexpr int kRuns = 15;

std::string DeviceMac(int index) {
    char mac[18];
    std::snprintf(mac, sizeof mac, "02:00:00:00:%02X:%02X", index / 256, index % 256);
    return mac;
}

double ThreadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void Measure(const char* what, const std::function<void()>& work) {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int run = 0; run < kRuns; ++run) {
        const double cpuStart = ThreadCpuMilliseconds();
        const auto start = Clock::now();
        work();
        wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        cpu.push_back(ThreadCpuMilliseconds() - cpuStart);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-44s wall median %7.2f max %7.2f ms | cpu median %7.2f ms (%d runs)\n", what,
                wall[wall.size() / 2], wall.back(), cpu[cpu.size() / 2], kRuns);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    CSettings settings;
    settings.childBkColor = MakeColorRef(255, 255, 255);
    settings.lineColor = MakeColorRef(230, 230, 230);
    const CSkinPaths skin = BuildSkinPaths(std::string(LUMICORD_RESOURCES_DIR) + "/");
    SetApplicationLook(&settings, &skin);
    const auto dir = std::filesystem::temp_directory_path() /
                     ("lumicord-page-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    {
        CSqlManagement store((dir / "data.mdb").string());
        CResultLog log((dir / "Log").string() + "/");
        AcTransmitManage manager(store, log);
        for (int i = 0; i < kDevices; ++i) {
            ap_discover_stu device{};
            const std::string mac = DeviceMac(i);
            std::memcpy(device.mac, mac.c_str(), mac.size());
            store.AddDevice(device);
            if (i % 3 == 0)
                store.SetAntiTheftStatus(mac, i % 2 == 0 ? OperateSuccess : LockcodeMismatch);
        }
        // Timers that never fire on their own: the ticks are run by hand.
        const CPageServices services{&manager, &store, std::chrono::hours(24)};
        CDevicesControlDlg page(services, nullptr);
        page.resize(817, 492);
        page.show();
        QApplication::processEvents();

        Measure("FillGrid (1000 rows) + one paint", [&] {
            page.RefreshFromStore(true, true, u"", SortByMac);
            const QPixmap shot = page.grab();
            (void)shot;
        });

        page.RefreshFromStore(true, true, u"", SortByMac);
        page.OnGridClick(0, 0);
        page.CollectSelectedDevices();
        page.OnBatchStart();
        std::printf("(%d rows, %zu selected)\n", page.Rows().Count(),
                    page.SelectedDevices().size());
        // The first poll of a batch stores every device's result; later polls store changes.
        Measure("timer 1000 first tick (1000 selected)", [&] {
            page.OnBatchStart();
            page.OnPollTimer();
        });
        Measure("timer 1000 later tick (1000 selected)", [&] { page.OnPollTimer(); });
        Measure("timer 2000 tick (counts)", [&] { page.OnCountTimer(); });
        std::printf("(counts: %d successful, %d failed)\n", page.SuccessCount(), page.FailCount());
    }
    std::error_code error;
    std::filesystem::remove_all(dir, error);
    return 0;
}
