// A page slot of the main window before its page exists: an empty child page of the page's
// template size, filled with the child background colour and rounded at the corners.
#pragma once

#include "ui/toolkit/CTDialog.h"

namespace lumicord {

class CEmptyPageDlg : public CTDialog {
    Q_OBJECT
public:
    CEmptyPageDlg(int pageId, QWidget* parent);
};

} // namespace lumicord
