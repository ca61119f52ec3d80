// Drawing of the combo box: the closed face with its arrow, and one list item.
#pragma once

#include <QStyledItemDelegate>

class QPainter;

namespace lumicord {

class CCustomComboBox;

void PaintComboFace(QPainter& painter, const CCustomComboBox& combo);

// Paints the items of the drop-down list at the combo box's item height.
class CComboItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CComboItemDelegate(CCustomComboBox* combo);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    CCustomComboBox* m_combo;
};

} // namespace lumicord
