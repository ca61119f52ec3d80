// The devices grid with 1000 devices: filling it the way the devices page does and painting
// the visible part once, timed together and apart (median and worst of several runs). The
// thread's CPU time is printed beside the wall clock: on a busy machine the two differ.
#include <QApplication>
#include <QImage>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

#include "GridDemo.h"

using namespace lumicord;

namespace {
using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void Print(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s median %7.2f ms   worst %7.2f ms\n", what, ms[ms.size() / 2], ms.back());
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    constexpr int kDevices = 1000;
    constexpr int kRuns = 15;
    const CSettings settings = demo::DefaultSettings();
    CGridImageList images;
    demo::LoadSkinImages(images);

    std::vector<double> fill, paint, total, cpu;
    for (int run = 0; run < kRuns; ++run) {
        CGridCtrl grid;
        demo::SetUpGrid(grid, images, settings);
        grid.resize(780, 400);
        grid.show();
        QImage target(grid.viewport()->size(), QImage::Format_ARGB32_Premultiplied);

        const double cpuStart = ThreadCpuMs();
        const auto start = Clock::now();
        demo::FillGrid(grid, kDevices, settings, [](int i) { return 3 + i % 4; });
        const auto filled = Clock::now();
        grid.viewport()->render(&target);
        const auto painted = Clock::now();
        const double cpuEnd = ThreadCpuMs();
        // Guard against timing a paint that drew nothing: the title background must be there.
        if (grid.GetRowCount() != kDevices + 1 ||
            target.pixelColor(100, 10) != ToQColor(settings.gridTitleBkColor)) {
            std::fprintf(stderr, "grid not filled or not painted\n");
            return 1;
        }
        fill.push_back(Ms(filled - start));
        paint.push_back(Ms(painted - filled));
        total.push_back(Ms(painted - start));
        cpu.push_back(cpuEnd - cpuStart);
    }
    std::printf("devices grid, %d rows x 4 columns, images in columns 0 and 3, %d runs\n", kDevices,
                kRuns);
    Print("fill 1000 rows", fill);
    Print("paint visible part once", paint);
    Print("fill + paint (target < 20 ms)", total);
    Print("fill + paint, thread CPU time", cpu);
    return 0;
}
