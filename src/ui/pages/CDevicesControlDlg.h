// The devices page (page 161): lists the devices found on the chosen adapter with a tick box,
// number, MAC and status image per row; rescans; hands the ticked devices to the customization
// and anti-theft pages; and, while their batch runs, shows each device's result and the counts
// of successful and failed devices from the result store.
#pragma once

#include <QBasicTimer>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "link/BatchProgress.h"
#include "link/ScanProgress.h"
#include "records/ApInfoStu.h"
#include "records/CSqlManagement.h"
#include "ui/pages/DeviceCheckStates.h"
#include "ui/pages/DeviceRows.h"
#include "ui/pages/PageServices.h"
#include "ui/toolkit/CTDialog.h"

namespace lumicord {

class CGridCtrl;
class CGridImageList;
class CTButtonPicture;
class CTPicture;
class CTStaticGdiplus;

class CDevicesControlDlg : public CTDialog {
    Q_OBJECT
public:
    CDevicesControlDlg(const CPageServices& services, QWidget* parent);
    ~CDevicesControlDlg() override;

    // "NIC:" and the adapter's display text (cut after 24 characters), full text as tooltip.
    void UpdateAdapterLabel(const QString& adapterText);
    void SetControlsEnabled(bool on);

    // Button 1005 and its timer (4000).
    void OnScan();
    void OnScanTimer();

    // Lists the store sorted by `key` (2 MAC, 3 result); refills the grid when `refill`;
    // shows the counts.
    void RefreshFromStore(bool refill, bool ascending, const std::u16string& filter, int key);
    void FillGrid(const std::list<ap_info_stu>& rows);

    // The grid's click notification for cell (row, column); row 0 is the header.
    void OnGridClick(int row, int column);

    // The ticked devices' MACs, in row order, into SelectedDevices().
    void CollectSelectedDevices();
    const std::vector<std::string>& SelectedDevices() const { return m_selected; }
    // Buttons 1003 and 1004: collect, then show page 162 or 163 and hand it the list.
    void OnCustomization();
    void OnAntiTheft();
    // Button 1074: back to the adapter page.
    void OnChange();

    // Message 0x464 or 0x465 with lParam != 0: the selected devices' batch has started.
    void OnBatchStart();
    void OnPollTimer();  // 1000
    void OnCountTimer(); // 2000
    void OnEndTimer();   // 3000
    void UpdateDeviceRow(const std::string& mac, int result);

    const CDeviceRows& Rows() const { return m_rows; }
    const CDeviceCheckStates& Checks() const { return m_checks; }
    GridImage HeaderImage() const { return m_headerImage; }
    int SuccessCount() const { return m_successCount; }
    int FailCount() const { return m_failCount; }
    bool Ascending() const { return m_ascending; }
    int SortKey() const { return m_sortKey; }
    bool ScanAllowed() const { return m_scanAllowed; }
    bool BatchRunning() const { return m_batch != nullptr; }
    int BatchSeconds() const { return m_batch ? m_batch->BatchSeconds() : 0; }
    QString AdapterLabel() const;

    CTButtonPicture* ScanButton() const;
    CTButtonPicture* CustomizationButton() const;
    CTButtonPicture* AntiTheftButton() const;
    CTButtonPicture* ChangeButton() const;
    CTPicture* BusyPicture() const;
    CGridCtrl* Grid() const { return m_grid; }

protected:
    bool event(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void StyleControls();
    void SetUpGrid();
    // Shows row `row`'s check and status images in the grid (0: the header box).
    void ShowRowImages(int row);
    void HandOver(int pageId);
    void ShowHeaderState();
    void StopBatchTimers();

    CPageServices m_services;
    std::unique_ptr<CGridImageList> m_images;
    CGridCtrl* m_grid = nullptr;
    CDeviceRows m_rows;
    CDeviceCheckStates m_checks;
    GridImage m_headerImage = kImageUnselect;
    int m_successCount = 0;
    int m_failCount = 0;
    bool m_scanAllowed = true;
    CScanProgress m_scan;
    bool m_ascending = true;
    int m_sortKey = SortByResult;
    std::vector<std::string> m_selected;
    std::unique_ptr<CBatchProgress> m_batch;

    QBasicTimer m_scanTimer;  // 4000
    QBasicTimer m_pollTimer;  // 1000
    QBasicTimer m_countTimer; // 2000
    QBasicTimer m_endTimer;   // 3000
};

} // namespace lumicord
