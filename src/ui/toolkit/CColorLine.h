// A one-pixel separator line across the control, at half its height, in one colour.
#pragma once

#include <QWidget>

#include "app/Settings.h"

namespace lumicord {

class CColorLine : public QWidget {
    Q_OBJECT
public:
    explicit CColorLine(QWidget* parent = nullptr) : QWidget(parent) {}

    ColorRef m_lineColor = 0x808080;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace lumicord
