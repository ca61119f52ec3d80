#include "app/CApplicationApp.h"

#include "app/CApplicationHooks.h"
#include "app/DiagnosticLog.h"
#include "app/LanguageTables.h"
#include "app/SettingsFile.h"
#include "link/AcTransmitManage.h"
#include "platform/ProgramDirectory.h"
#include "platform/ServiceLayers.h"
#include "platform/SingleInstanceLock.h"
#include "records/CSqlManagement.h"

namespace lumicord {
namespace {
constexpr std::uint16_t kSocketsVersion = MakeSocketsVersion(1, 1);
constexpr unsigned kCommonControlsStructSize = 8;
constexpr unsigned kCommonControlsAllClasses = 0xFF;
// A stopped transmitter ends within milliseconds; this bounds the wait for one stuck elsewhere.
constexpr std::chrono::seconds kTransferStopBound{2};
} // namespace

CApplicationApp::CApplicationApp(CApplicationHooks& hooks, std::string instanceName,
                                 std::string programDirectory)
    : m_hooks(hooks), m_instanceName(std::move(instanceName)),
      m_programDirectory(std::move(programDirectory)) {}

CApplicationApp::~CApplicationApp() = default;

bool CApplicationApp::InitInstance() {
    // 1-2. Sockets layer, version 1.1 exactly.
    std::uint16_t granted = 0;
    if (!StartSocketsLayer(kSocketsVersion, granted)) {
        WriteDiagnosticLine(__PRETTY_FUNCTION__, kDiagnosticError, __LINE__, "init socker error");
        return false;
    }
    if (granted != kSocketsVersion) {
        StopSocketsLayer();
        return false;
    }
    // 3-4. Common controls and the framework.
    m_hooks.RegisterCommonControls(kCommonControlsStructSize, kCommonControlsAllClasses);
    if (!m_hooks.InitialiseFramework())
        return false;
    // 5. Graphics.
    m_graphicsToken = StartGraphics();
    // 6. One copy per machine; a second one ends here without a word.
    auto lock = std::make_unique<CSingleInstanceLock>(m_instanceName);
    if (!lock->Acquired())
        return false;
    m_instanceLock = std::move(lock);
    // 7-8. Language, then settings and skin paths.
    if (m_programDirectory.empty())
        m_programDirectory = lumicord::ProgramDirectory();
    LoadLanguage();
    LoadSettings();
    // 9. COM for this thread.
    InitialiseCom();
    // 10. The two process-wide services.
    ObtainServices();
    // 11. The main window, run modally; its result is ignored.
    m_hooks.RunMainWindow(*this);
    m_mainWindowRan = true;
    return false;
}

int CApplicationApp::ExitInstance() {
    ++m_exitCount;
    ReleaseServices();
    StopSocketsLayer();
    UninitialiseCom();
    StopGraphics(m_graphicsToken);
    m_graphicsToken = 0;
    return m_hooks.ExitFramework();
}

void CApplicationApp::LoadLanguage() {
    CurrentLanguageTables().Initialise(m_programDirectory);
}

void CApplicationApp::LoadSettings() {
    m_settings = ReadSettings(m_programDirectory);
    m_skinPaths = BuildSkinPaths(m_programDirectory);
}

void CApplicationApp::ObtainServices() {
    m_transmitManage = &AcTransmitManage::Instance();
    m_resultStore = &CSqlManagement::Instance();
}

void CApplicationApp::ReleaseServices() {
    // Detached transmitters and the link threads write to the store: they end first, so that
    // nothing reaches the store once it is gone.
    if (m_transmitManage != nullptr) {
        m_transmitManage->StopTransfers(kTransferStopBound);
        m_transmitManage->StopThreads();
        AcTransmitManage::DestroyInstance();
        m_transmitManage = nullptr;
    }
    if (m_resultStore != nullptr) {
        CSqlManagement::DestroyInstance();
        m_resultStore = nullptr;
    }
}

} // namespace lumicord
