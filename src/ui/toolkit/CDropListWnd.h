// The frame of an open drop-down: fills its window and outlines it with a rounded line in the
// combo box's active border colour, and tells the combo box when the list closes.
#pragma once

#include <QObject>
#include <QPointer>

#include "app/Settings.h"

class QWidget;

namespace lumicord {

class CCustomComboBox;

class CDropListWnd : public QObject {
    Q_OBJECT
public:
    explicit CDropListWnd(CCustomComboBox* combo);

    // Takes over the drop-down window while the list is open; colours come from the combo box.
    void Attach(QWidget* frame);
    void Detach();
    QWidget* Frame() const { return m_frame; }

    ColorRef m_borderColor = 0;
    ColorRef m_fillColor = 0xFFFFFF;
    int m_radius = 6;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CCustomComboBox* m_combo;
    QPointer<QWidget> m_frame;
};

} // namespace lumicord
