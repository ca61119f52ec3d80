// The Qt side of start-up: the QApplication is the framework, the main window runs modally.
#pragma once

#include <memory>

#include "app/CApplicationHooks.h"

class QApplication;

namespace lumicord {

class CQtApplicationHooks : public CApplicationHooks {
public:
    CQtApplicationHooks(int& argc, char** argv);
    ~CQtApplicationHooks() override;

    bool InitialiseFramework() override;
    void RunMainWindow(CApplicationApp& app) override;
    int ExitFramework() override;

private:
    int& m_argc;
    char** m_argv;
    std::unique_ptr<QApplication> m_application;
};

} // namespace lumicord
