// The list inside the drop-down: tracks the item under the mouse and shows an item's full text
// in a tool tip when the list cuts it (after 300 ms, for 8 s, 100 ms between tips).
#pragma once

#include <QBasicTimer>
#include <QListView>

namespace lumicord {

class CCustomComboBox;

inline constexpr int kDropTipInitialMs = 300;
inline constexpr int kDropTipShowMs = 8000;
inline constexpr int kDropTipReshowMs = 100;

class CDropListBoxWnd : public QListView {
    Q_OBJECT
public:
    explicit CDropListBoxWnd(CCustomComboBox* combo);

    // The full text of the item when the list cuts it, else empty.
    QString TipTextFor(int row) const;
    int HoveredItem() const { return m_hoveredItem; }
    QString PendingTip() const { return m_tipText; }
    // Closing the list hides the tip and forgets the hovered item.
    void Detach();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void HoverItem(int row);
    void HideTip();

    CCustomComboBox* m_combo;
    int m_hoveredItem = -1;
    QString m_tipText;
    QRect m_tipRect;
    bool m_tipShown = false;
    QBasicTimer m_tipTimer;
};

} // namespace lumicord
