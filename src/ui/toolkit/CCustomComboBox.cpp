#include "ui/toolkit/CCustomComboBox.h"

#include <QPainter>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QStandardItemModel>

#include "ui/toolkit/CDropListBoxWnd.h"
#include "ui/toolkit/CDropListWnd.h"
#include "ui/toolkit/ColorRefQt.h"
#include "ui/toolkit/ComboPainting.h"
#include "ui/toolkit/SkinFont.h"

namespace lumicord {
namespace {

// The list drops below the face instead of opening over it, whatever the platform style does.
class DropDownBelowStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QImage LoadArrow(const QString& path) {
    if (path.isEmpty())
        return {};
    QImage image(path);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

ComboArrowState ComboArrowStateFor(bool enabled, bool open, bool hovered,
                                   const std::array<bool, 4>& present) {
    if (!enabled && present[kArrowDisabled])
        return kArrowDisabled;
    if (open && present[kArrowOpen])
        return kArrowOpen;
    if (hovered && present[kArrowHot])
        return kArrowHot;
    return kArrowNormal;
}

CCustomComboBox::CCustomComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    auto* style = new DropDownBelowStyle();
    style->setParent(this);
    setStyle(style);
    m_listBox = new CDropListBoxWnd(this);
    setView(m_listBox);
    setItemDelegate(new CComboItemDelegate(this));
    m_dropList = new CDropListWnd(this);
    setFont(MakeSkinFont({}));
    // Texts changed through the list itself (translation) stay in the item records.
    connect(model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last) {
                for (int row = first.row(); row <= last.row(); ++row) {
                    if (row >= 0 && row < int(m_items.size()))
                        m_items[std::size_t(row)].text = itemText(row);
                }
            });
}

CCustomComboBox::~CCustomComboBox() = default;

int CCustomComboBox::AddItem(const QString& text, qint64 value) {
    const int before = currentIndex();
    {
        // Adding to an empty list must not choose the item.
        const QSignalBlocker quiet(this);
        addItem(text);
        m_items.push_back({text, 0, value, true});
        NumberItems();
        setCurrentIndex(before);
    }
    update();
    return count() - 1;
}

bool CCustomComboBox::DeleteItem(int index) {
    if (index < 0 || index >= count())
        return false;
    const int before = currentIndex();
    const int after = before == index ? -1 : (before > index ? before - 1 : before);
    {
        const QSignalBlocker quiet(this);
        removeItem(index);
        m_items.erase(m_items.begin() + index);
        NumberItems();
        setCurrentIndex(after);
    }
    if (after != before)
        emit currentIndexChanged(after);
    update();
    return true;
}

void CCustomComboBox::ResetContent() {
    clear();
    m_items.clear();
    update();
}

QString CCustomComboBox::GetItemText(int index) const {
    if (index < 0 || index >= int(m_items.size()))
        return {};
    return m_items[std::size_t(index)].text;
}

QString CCustomComboBox::GetCurrentText() const {
    return currentIndex() < 0 ? QString() : itemText(currentIndex());
}

bool CCustomComboBox::SetItemEnabled(int index, bool enabled) {
    auto* standard = qobject_cast<QStandardItemModel*>(model());
    if (index < 0 || index >= int(m_items.size()) || !standard)
        return false;
    m_items[std::size_t(index)].enabled = enabled;
    standard->item(index)->setEnabled(enabled);
    return true;
}

void CCustomComboBox::NumberItems() {
    for (int i = 0; i < count(); ++i)
        setItemData(i, i, Qt::UserRole);
}

bool CCustomComboBox::SetArrowImages(const QString& normal, const QString& open, const QString& hot,
                                     const QString& disabled) {
    QImage normalImage = LoadArrow(normal);
    if (normalImage.isNull())
        return false;
    m_arrowImages = {normalImage, LoadArrow(open), LoadArrow(hot), LoadArrow(disabled)};
    update();
    return true;
}

ComboArrowState CCustomComboBox::CurrentArrowState() const {
    std::array<bool, 4> present{};
    for (std::size_t i = 0; i < present.size(); ++i)
        present[i] = !m_arrowImages[i].isNull();
    return ComboArrowStateFor(isEnabled(), m_open, m_hovered, present);
}

void CCustomComboBox::SetFontFace(const QString& face) {
    RegisterFontSubstitutes();
    QFont font(face);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    font.setWeight(QFont::Normal);
    setFont(font);
    view()->setFont(font);
    update();
}

QString CCustomComboBox::FaceText() const {
    return currentIndex() < 0 ? m_hintText : GetItemText(currentIndex());
}

ColorRef CCustomComboBox::FaceTextColor() const {
    return currentIndex() < 0 ? m_hintTextColor : m_itemText;
}

QRect CCustomComboBox::ArrowRect() const {
    return QRect(width() - 1 - m_arrowWidth, 1, m_arrowWidth, height() - 2);
}

QRect CCustomComboBox::FaceTextRect() const {
    const int left = 8;
    return QRect(left, 0, std::max(0, ArrowRect().left() - 4 - left), height());
}

void CCustomComboBox::showPopup() {
    m_open = true;
    QPalette look = view()->palette();
    look.setColor(QPalette::Base, ToQColor(m_listBackground));
    view()->setPalette(look);
    if (QWidget* frame = view()->parentWidget()) {
        m_dropList->m_borderColor = m_faceBorderActive;
        m_dropList->m_fillColor = m_listBackground;
        m_dropList->m_radius = m_listRadius;
        m_dropList->Attach(frame);
    }
    QComboBox::showPopup();
    update();
}

void CCustomComboBox::hidePopup() {
    QComboBox::hidePopup();
    OnDropDownClosed();
}

void CCustomComboBox::OnDropDownClosed() {
    if (!m_open)
        return;
    m_open = false;
    m_dropList->Detach();
    m_listBox->Detach();
    update();
}

QSize CCustomComboBox::sizeHint() const {
    return {QComboBox::sizeHint().width(), m_faceHeight};
}

QSize CCustomComboBox::minimumSizeHint() const {
    return {QComboBox::minimumSizeHint().width(), m_faceHeight};
}

void CCustomComboBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintComboFace(painter, *this);
}

void CCustomComboBox::enterEvent(QEnterEvent* event) {
    QComboBox::enterEvent(event);
    if (!m_hovered) {
        m_hovered = true;
        update();
    }
}

void CCustomComboBox::leaveEvent(QEvent* event) {
    QComboBox::leaveEvent(event);
    if (m_hovered) {
        m_hovered = false;
        update();
    }
}

} // namespace lumicord
