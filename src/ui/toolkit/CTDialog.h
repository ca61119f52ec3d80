// The skinned dialog base: built from a dialog template, paints a stretched picture or a fill
// colour as its background, moves a borderless window when dragged by its background and
// never lets Enter or Escape close it.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <map>
#include <optional>

#include "app/Settings.h"
#include "ui/toolkit/CDialogTemplate.h"

class QPainter;

namespace lumicord {

class CTDialog : public QDialog {
    Q_OBJECT
public:
    // Creates the dialog and its controls from template `templateId`. A template of style
    // "child" makes a child window of `parent`; "popup" a borderless window.
    explicit CTDialog(int templateId, QWidget* parent = nullptr);
    ~CTDialog() override;

    int TemplateId() const { return m_templateId; }

    // Replaces the background picture. An empty path does nothing; a file that cannot be
    // decoded leaves the dialog without a picture.
    void SetBackgroundImage(const QString& path);
    bool HasBackgroundImage() const { return !m_background.isNull(); }
    const QString& BackgroundPath() const { return m_backgroundPath; }

    bool m_dragEnabled = false;
    bool m_fillEnabled = false;
    ColorRef m_fillColor = 0xFFFFFF;

    // The control created from the template under this id, or null.
    QWidget* Control(int controlId) const;
    template <class T> T* ControlAs(int controlId) const {
        return qobject_cast<T*>(Control(controlId));
    }
    // Puts `replacement` (a child of this dialog) in the place of the template's control
    // `controlId`: its name, rectangle, visibility and place in the focus order; the control
    // it replaces is destroyed. Returns the replacement, or null (and destroys it) when the
    // template has no such control.
    template <class T> T* AttachControl(int controlId, T* replacement) {
        return static_cast<T*>(ReplaceControl(controlId, replacement));
    }

    // Paints what the dialog's own surface shows in `area` (dialog coordinates) with the
    // painter's origin at the area's top-left corner. Buttons take their backdrop from it.
    void PaintBackground(QPainter& painter, const QRect& area) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls(const CDialogTemplate& dialogTemplate);
    QWidget* ReplaceControl(int controlId, QWidget* replacement);

    int m_templateId;
    QImage m_background;
    QString m_backgroundPath;
    std::map<int, QWidget*> m_controls;
    std::optional<QPoint> m_dragOffset; // set while the window follows the mouse itself
};

// Clips `window` to a rectangle of `screenRect`'s size with corners rounded by an 8 x 8
// ellipse, and redraws it.
void SetRoundCorners(QWidget* window, const QRect& screenRect);

// True for Enter, Return and Escape: the keys a skinned dialog never treats as commands.
bool IsDialogCommandKey(int key);

} // namespace lumicord
