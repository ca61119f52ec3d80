// The about box: the application icon, the program's name and version, the year and OK.
#pragma once

#include "ui/toolkit/CTDialog.h"

namespace lumicord {

class CAboutDlg : public CTDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace lumicord
