// A drop-down list (no typing) whose closed face, arrow, list frame and items are all drawn
// here. It keeps its own item records beside the list model; the model's current index is the
// chosen item, and −1 shows the hint on the face.
#pragma once

#include <QComboBox>
#include <QImage>
#include <array>
#include <vector>

#include "app/Settings.h"

namespace lumicord {

class CDropListBoxWnd;
class CDropListWnd;

struct ComboItem {
    QString text;
    int iconIndex = 0; // 0: no icon
    qint64 value = 0;
    bool enabled = true;
};

enum ComboArrowState { kArrowNormal = 0, kArrowOpen = 1, kArrowHot = 2, kArrowDisabled = 3 };

// The arrow image to draw: disabled, else open, else hot, else normal; a state without its
// own image falls back to the normal one.
ComboArrowState ComboArrowStateFor(bool enabled, bool open, bool hovered,
                                   const std::array<bool, 4>& present);

class CCustomComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit CCustomComboBox(QWidget* parent = nullptr);
    ~CCustomComboBox() override;

    // Appends an item; returns its index, or −1 when the list refuses it.
    int AddItem(const QString& text, qint64 value = 0);
    // Removes an item. The chosen item stays chosen when an earlier one goes; deleting the
    // chosen item leaves nothing chosen.
    bool DeleteItem(int index);
    void ResetContent();
    QString GetItemText(int index) const;
    QString GetCurrentText() const;
    int GetCurSel() const { return currentIndex(); }
    void SetCurSel(int index) { setCurrentIndex(index); }
    bool SetItemEnabled(int index, bool enabled);
    const std::vector<ComboItem>& Items() const { return m_items; }

    // Loads the arrow pictures; the normal one is required, without it nothing changes.
    bool SetArrowImages(const QString& normal, const QString& open = {}, const QString& hot = {},
                        const QString& disabled = {});
    const QImage& ArrowImage(ComboArrowState state) const { return m_arrowImages[state]; }
    ComboArrowState CurrentArrowState() const;
    // An 8-point font of this face for the face and the list.
    void SetFontFace(const QString& face);

    bool IsOpen() const { return m_open; }
    bool Hovered() const { return m_hovered; }
    // What the face shows: the chosen item's text, or the hint when nothing is chosen.
    QString FaceText() const;
    ColorRef FaceTextColor() const;
    QRect ArrowRect() const;
    QRect FaceTextRect() const;
    CDropListBoxWnd* ListBox() const { return m_listBox; }

    void showPopup() override;
    void hidePopup() override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    QString m_hintText;
    int m_faceHeight = 30;
    int m_itemHeight = 32;
    int m_markWidth = 18;
    int m_markHeight = 18;
    int m_cornerRadius = 5;
    int m_listRadius = 6;
    int m_arrowWidth = 24;
    ColorRef m_listBackground = MakeColorRef(255, 255, 255);
    ColorRef m_highlightFill = MakeColorRef(235, 244, 255);
    ColorRef m_highlightText = MakeColorRef(20, 80, 200);
    ColorRef m_itemText = MakeColorRef(50, 50, 50);
    ColorRef m_faceFill = MakeColorRef(255, 255, 255);
    ColorRef m_faceBorder = MakeColorRef(200, 200, 200);
    ColorRef m_faceBorderActive = MakeColorRef(255, 128, 31);
    ColorRef m_disabledItemText = MakeColorRef(180, 180, 180);
    ColorRef m_hintTextColor = MakeColorRef(190, 190, 190);
    ColorRef m_separator = MakeColorRef(235, 235, 235);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    friend class CDropListWnd;
    void OnDropDownClosed();
    void NumberItems();

    std::vector<ComboItem> m_items;
    std::array<QImage, 4> m_arrowImages;
    bool m_open = false;
    bool m_hovered = false;
    CDropListBoxWnd* m_listBox = nullptr;
    CDropListWnd* m_dropList = nullptr;
};

} // namespace lumicord
