// The adapter selection page (page 160): the user picks the adapter that faces the devices and
// starts a scan; when the number of devices in the result store stops growing, the devices
// page takes over. The adapter used is remembered and offered first again.
#pragma once

#include <QBasicTimer>
#include <QString>

#include "link/ScanProgress.h"
#include "ui/pages/PageServices.h"
#include "ui/toolkit/CTDialog.h"

namespace lumicord {

class CCustomComboBox;
class CTButtonPicture;
class CTPicture;

class CSelectAdapterDlg : public CTDialog {
    Q_OBJECT
public:
    CSelectAdapterDlg(const CPageServices& services, QWidget* parent);

    // Fills the list from the manager's adapters and chooses the remembered one (or the first).
    void RefreshAdapterList();
    // Button 1241.
    void OnStartScan();
    // One tick of the scan timer (1000).
    void OnScanTimer();

    bool IsIdle() const { return m_idle; }
    bool IsScanTimerRunning() const { return m_scanTimer.isActive(); }
    // The display text of the adapter of the last scan or the last refresh.
    const QString& RememberedAdapter() const { return m_rememberedAdapter; }

    CCustomComboBox* AdapterList() const;
    CTButtonPicture* StartButton() const;
    CTPicture* BusyPicture() const;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void StyleControls();
    void SetScanning(bool scanning);
    void EndScan();

    CPageServices m_services;
    QString m_rememberedAdapter;
    bool m_idle = true;
    CScanProgress m_scan;
    QBasicTimer m_scanTimer;
};

} // namespace lumicord
