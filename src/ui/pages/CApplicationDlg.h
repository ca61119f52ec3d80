// The program's one top-level window. For now an empty window that can be closed; the
// skinned main window with its pages replaces it.
#pragma once

#include <QDialog>

namespace lumicord {

class CApplicationApp;

class CApplicationDlg : public QDialog {
    Q_OBJECT
public:
    explicit CApplicationDlg(CApplicationApp& app, QWidget* parent = nullptr);

private:
    CApplicationApp& m_app;
};

} // namespace lumicord
