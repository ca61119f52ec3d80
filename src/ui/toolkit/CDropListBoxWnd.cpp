#include "ui/toolkit/CDropListBoxWnd.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QToolTip>

#include "ui/toolkit/CCustomComboBox.h"

namespace lumicord {

CDropListBoxWnd::CDropListBoxWnd(CCustomComboBox* combo) : m_combo(combo) {
    setMouseTracking(true);
    setFrameShape(QFrame::NoFrame);
    setTextElideMode(Qt::ElideRight);
}

QString CDropListBoxWnd::TipTextFor(int row) const {
    const auto& items = m_combo->Items();
    if (row < 0 || row >= int(items.size()))
        return {};
    const ComboItem& item = items[std::size_t(row)];
    int reserved = item.iconIndex == 0 ? 16 : m_combo->m_markWidth + 22;
    if (row == m_combo->currentIndex())
        reserved += m_combo->m_markWidth + 8;
    const int textWidth = QFontMetrics(font()).horizontalAdvance(item.text);
    return textWidth > viewport()->width() - reserved ? item.text : QString();
}

void CDropListBoxWnd::Detach() {
    HideTip();
    m_hoveredItem = -1;
    m_tipText.clear();
}

void CDropListBoxWnd::mouseMoveEvent(QMouseEvent* event) {
    QListView::mouseMoveEvent(event);
    HoverItem(indexAt(event->position().toPoint()).row());
}

void CDropListBoxWnd::leaveEvent(QEvent* event) {
    QListView::leaveEvent(event);
    Detach();
}

bool CDropListBoxWnd::viewportEvent(QEvent* event) {
    // Item tips come from HoverItem; the view's own tip would hide them.
    if (event->type() == QEvent::ToolTip)
        return true;
    return QListView::viewportEvent(event);
}

void CDropListBoxWnd::HoverItem(int row) {
    if (row == m_hoveredItem)
        return;
    m_hoveredItem = row;
    m_tipText = TipTextFor(row);
    if (m_tipText.isEmpty()) {
        HideTip();
        return;
    }
    m_tipRect = visualRect(model()->index(row, modelColumn()));
    m_tipTimer.start(m_tipShown ? kDropTipReshowMs : kDropTipInitialMs, this);
}

void CDropListBoxWnd::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_tipTimer.timerId()) {
        QListView::timerEvent(event);
        return;
    }
    m_tipTimer.stop();
    QToolTip::showText(viewport()->mapToGlobal(m_tipRect.bottomLeft()), m_tipText, viewport(),
                       m_tipRect, kDropTipShowMs);
    m_tipShown = true;
}

void CDropListBoxWnd::HideTip() {
    m_tipTimer.stop();
    if (m_tipShown)
        QToolTip::hideText();
    m_tipShown = false;
}

} // namespace lumicord
