#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "TempFolder.h"
#include "app/CApplicationApp.h"
#include "app/CApplicationHooks.h"
#include "app/LanguageTables.h"
#include "link/AcTransmitManage.h"
#include "link/TransmitJob.h"
#include "platform/SingleInstanceLock.h"

using namespace lumicord;

namespace {

class RecordingHooks : public CApplicationHooks {
public:
    std::vector<std::string> calls;
    bool frameworkOk = true;

    void RegisterCommonControls(unsigned size, unsigned flags) override {
        calls.push_back("controls " + std::to_string(size) + " " + std::to_string(flags));
    }
    bool InitialiseFramework() override {
        calls.push_back("framework");
        return frameworkOk;
    }
    void RunMainWindow(CApplicationApp& app) override {
        calls.push_back("main window in " + app.ProgramDirectory());
        languageFileWhileRunning = CurrentLanguageTables().LanguageFilePath();
        childBkColorWhileRunning = app.Settings().childBkColor;
        mainBkWhileRunning = app.SkinPaths().mainBkPng;
    }
    int ExitFramework() override {
        calls.push_back("exit framework");
        return 0;
    }
    std::string languageFileWhileRunning;
    ColorRef childBkColorWhileRunning = 0;
    std::string mainBkWhileRunning;
};

std::string TestInstanceName() {
    return "lumicord-app-test-" + std::to_string(::getpid());
}

} // namespace

TEST(ApplicationStartup, RunsTheStepsInOrderAndTheMainWindowOnce) {
    RecordingHooks hooks;
    CApplicationApp app(hooks, TestInstanceName(), "/opt/lumicord test/");
    EXPECT_FALSE(app.InitInstance()); // false also after a complete run
    EXPECT_TRUE(app.MainWindowRan());
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_EQ(app.ExitInstanceCount(), 1);
    const std::vector<std::string> expected = {
        "controls 8 255", "framework", "main window in /opt/lumicord test/", "exit framework"};
    EXPECT_EQ(hooks.calls, expected);
    // The language tables were loaded from the program directory before the window ran.
    EXPECT_EQ(hooks.languageFileWhileRunning, "/opt/lumicord test/Languages/English.lng");
}

TEST(ApplicationStartup, SecondCopyEndsSilentlyAndLeavesTheFirstRunning) {
    const std::string name = TestInstanceName() + "-second";
    CSingleInstanceLock running(name); // the first copy
    ASSERT_TRUE(running.Acquired());

    RecordingHooks hooks;
    CApplicationApp second(hooks, name, "/tmp/");
    EXPECT_FALSE(second.InitInstance());
    EXPECT_FALSE(second.MainWindowRan());
    second.ExitInstance();
    EXPECT_EQ(second.ExitInstanceCount(), 1);
    EXPECT_TRUE(running.Acquired());
    const std::vector<std::string> expected = {"controls 8 255", "framework", "exit framework"};
    EXPECT_EQ(hooks.calls, expected);
}

TEST(ApplicationStartup, FrameworkFailureEndsStartUpBeforeTheLock) {
    const std::string name = TestInstanceName() + "-framework";
    RecordingHooks hooks;
    hooks.frameworkOk = false;
    {
        CApplicationApp app(hooks, name, "/tmp/");
        EXPECT_FALSE(app.InitInstance());
        EXPECT_FALSE(app.MainWindowRan());
        app.ExitInstance();
    }
    CSingleInstanceLock free(name); // nobody took the lock
    EXPECT_TRUE(free.Acquired());
}

TEST(ApplicationStartup, SettingsAndSkinPathsAreReadBeforeTheMainWindow) {
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    folder.Write("Setting.ini", "[Color]\nChildBkColor=0,0,255\n");
    RecordingHooks hooks;
    CApplicationApp app(hooks, TestInstanceName() + "-settings", folder.Path());
    app.InitInstance();
    app.ExitInstance();
    EXPECT_EQ(hooks.childBkColorWhileRunning, MakeColorRef(0, 0, 255));
    EXPECT_EQ(hooks.mainBkWhileRunning, folder.Path() + "Skin/main_bk.png");
    EXPECT_EQ(app.Settings().lineColor, MakeColorRef(215, 215, 215));
}

TEST(ApplicationStartup, ExitStopsRunningTransfersBeforeTheStoreGoes) {
    struct BatchHooks : RecordingHooks {
        void RunMainWindow(CApplicationApp& app) override {
            // A job left running when the window closes: no adapter is chosen, so its
            // transmitter keeps trying to open an endpoint.
            TransmitJob job =
                MakeTransmitJob({2, 0, 0, 0, 0, 1}, {2, 0, 0, 0, 0, 2}, JobConfigFile);
            startedJob = app.TransmitManage().StartTransmitJob(job);
            runningAtEnd = app.TransmitManage().RunningTransfers();
        }
        bool startedJob = false;
        int runningAtEnd = -1;
    } hooks;
    CApplicationApp app(hooks, TestInstanceName(), "/tmp/");
    app.InitInstance();
    ASSERT_TRUE(hooks.startedJob);
    EXPECT_EQ(hooks.runningAtEnd, 1);
    // Under the sanitizers a transmitter writing to the destroyed store would be caught here.
    app.ExitInstance();
}
