// What the start-up sequence needs from the window framework. The desktop program supplies
// the Qt implementation; tests supply their own.
#pragma once

namespace lumicord {

class CApplicationApp;

class CApplicationHooks {
public:
    virtual ~CApplicationHooks() = default;

    // Register the common control window classes (structure size 8, class flags 0xFF).
    virtual void RegisterCommonControls(unsigned structSize, unsigned classFlags) {
        (void)structSize;
        (void)classFlags;
    }
    // The framework's own instance initialisation; false ends start-up.
    virtual bool InitialiseFramework() { return true; }
    // Construct the main window, run it modally and destroy it when it returns.
    virtual void RunMainWindow(CApplicationApp& app) = 0;
    // The framework's own exit, last step of ExitInstance; returns the exit code.
    virtual int ExitFramework() { return 0; }
};

} // namespace lumicord
