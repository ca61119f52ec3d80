// The application object: brings the process-wide services up in their fixed order, keeps a
// second copy from running, runs the main window and shuts the services down again.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/Settings.h"
#include "app/SkinPaths.h"

namespace lumicord {

class AcTransmitManage;
class CApplicationHooks;
class CSqlManagement;
class CSingleInstanceLock;

constexpr const char* kInstanceMutexName = "Brimla_Lumicord";

class CApplicationApp {
public:
    // `instanceName` names the single-instance lock; `programDirectory` overrides the
    // executable's folder (tests), and must end in '/'.
    explicit CApplicationApp(CApplicationHooks& hooks,
                             std::string instanceName = kInstanceMutexName,
                             std::string programDirectory = {});
    ~CApplicationApp();
    CApplicationApp(const CApplicationApp&) = delete;
    CApplicationApp& operator=(const CApplicationApp&) = delete;

    // Runs start-up and, when it succeeds, the main window to its end. Always false: either
    // start-up failed or the main window has already run.
    bool InitInstance();
    // Stops the services (running transfers, then the manager's threads, then the store), the
    // sockets layer, COM and graphics (harmless when they never started), then the framework.
    // Returns the framework's exit code.
    int ExitInstance();

    // The program directory, ending in '/'.
    const std::string& ProgramDirectory() const { return m_programDirectory; }
    // The look of the program from Setting.ini and the skin picture paths; filled at start-up
    // before the main window is created. Windows read them here.
    const CSettings& Settings() const { return m_settings; }
    const CSkinPaths& SkinPaths() const { return m_skinPaths; }
    // The discovery manager and the result store obtained in step 10; only valid once
    // start-up got that far and until ExitInstance.
    AcTransmitManage& TransmitManage() const { return *m_transmitManage; }
    CSqlManagement& ResultStore() const { return *m_resultStore; }

    // True once step 11 ran: the main window was shown and has ended.
    bool MainWindowRan() const { return m_mainWindowRan; }
    int ExitInstanceCount() const { return m_exitCount; }

private:
    void LoadLanguage();
    void LoadSettings();
    void ObtainServices();
    void ReleaseServices();

    CApplicationHooks& m_hooks;
    std::string m_instanceName;
    std::string m_programDirectory;
    std::unique_ptr<CSingleInstanceLock> m_instanceLock;
    std::uintptr_t m_graphicsToken = 0;
    CSettings m_settings;
    CSkinPaths m_skinPaths;
    AcTransmitManage* m_transmitManage = nullptr;
    CSqlManagement* m_resultStore = nullptr;
    bool m_mainWindowRan = false;
    int m_exitCount = 0;
};

} // namespace lumicord
