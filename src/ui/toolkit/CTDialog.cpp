#include "ui/toolkit/CTDialog.h"

#include <QBitmap>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "ui/toolkit/CColorLine.h"
#include "ui/toolkit/CTButtonPicture.h"
#include "ui/toolkit/CTStaticGdiplus.h"
#include "ui/toolkit/ColorRefQt.h"
#include "ui/toolkit/SkinFont.h"

namespace lumicord {
namespace {

QWidget* NewControl(const DialogControl& control, QWidget* parent) {
    switch (control.kind) {
    case ControlKind::Button: {
        auto* button = new CTButtonPicture(parent);
        button->setText(control.text);
        return button;
    }
    case ControlKind::Static: {
        auto* label = new CTStaticGdiplus(parent);
        label->setText(control.text);
        return label;
    }
    case ControlKind::Line:
        return new CColorLine(parent);
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(parent);
        edit->setText(control.text);
        return edit;
    }
    case ControlKind::Combo:
        return new QComboBox(parent);
    case ControlKind::Picture:
        return new QLabel(parent);
    case ControlKind::Custom:
        break;
    }
    return new QWidget(parent);
}

} // namespace

bool IsDialogCommandKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

CTDialog::CTDialog(int templateId, QWidget* parent) : QDialog(parent), m_templateId(templateId) {
    const auto dialogTemplate = LoadDialogTemplate(templateId);
    if (!dialogTemplate)
        return;
    if (dialogTemplate->style == QLatin1String("child"))
        setWindowFlags(Qt::Widget);
    else if (dialogTemplate->style == QLatin1String("popup"))
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    if (!dialogTemplate->face.isEmpty())
        setFont(MakeSkinFont({dialogTemplate->face, 12}));
    setWindowTitle(dialogTemplate->caption);
    resize(dialogTemplate->size);
    CreateControls(*dialogTemplate);
}

CTDialog::~CTDialog() = default;

void CTDialog::CreateControls(const CDialogTemplate& dialogTemplate) {
    for (const DialogControl& control : dialogTemplate.controls) {
        QWidget* widget = NewControl(control, this);
        widget->setObjectName(QString::number(control.id));
        widget->setGeometry(control.rect);
        widget->setVisible(control.visible);
        m_controls[control.id] = widget;
    }
}

QWidget* CTDialog::Control(int controlId) const {
    const auto it = m_controls.find(controlId);
    return it == m_controls.end() ? nullptr : it->second;
}

QWidget* CTDialog::ReplaceControl(int controlId, QWidget* replacement) {
    const auto it = m_controls.find(controlId);
    if (it == m_controls.end()) {
        delete replacement;
        return nullptr;
    }
    QWidget* old = it->second;
    replacement->setParent(this);
    replacement->setObjectName(old->objectName());
    replacement->setGeometry(old->geometry());
    replacement->setVisible(!old->isHidden());
    QWidget::setTabOrder(old, replacement);
    it->second = replacement;
    delete old;
    return replacement;
}

void CTDialog::SetBackgroundImage(const QString& path) {
    if (path.isEmpty())
        return;
    m_background = QImage(path);
    m_backgroundPath = m_background.isNull() ? QString() : path;
    update();
}

void CTDialog::PaintBackground(QPainter& painter, const QRect& area) const {
    painter.save();
    painter.translate(-area.topLeft());
    if (!m_background.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), m_background);
    } else if (m_fillEnabled) {
        painter.fillRect(rect(), ToQColor(m_fillColor));
    } else {
        painter.fillRect(rect(), palette().window());
    }
    painter.restore();
}

void CTDialog::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintBackground(painter, QRect(QPoint(0, 0), size()));
}

void CTDialog::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (!m_dragEnabled || event->button() != Qt::LeftButton)
        return;
    QWindow* handle = window()->windowHandle();
    if (handle != nullptr && handle->startSystemMove())
        return;
    // No system move on this platform: follow the mouse until the button is released.
    m_dragOffset = event->globalPosition().toPoint() - window()->pos();
}

void CTDialog::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (m_dragOffset && (event->buttons() & Qt::LeftButton))
        window()->move(event->globalPosition().toPoint() - *m_dragOffset);
}

void CTDialog::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    m_dragOffset.reset();
}

void CTDialog::keyPressEvent(QKeyEvent* event) {
    // The focused control had the key first; the dialog itself never acts on these.
    if (IsDialogCommandKey(event->key())) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void SetRoundCorners(QWidget* window, const QRect& screenRect) {
    if (window == nullptr || screenRect.isEmpty())
        return;
    QBitmap mask(screenRect.size());
    mask.fill(Qt::color0);
    QPainter painter(&mask);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    painter.drawRoundedRect(QRect(QPoint(0, 0), screenRect.size()), 4, 4);
    painter.end();
    window->setMask(mask);
    window->update();
}

} // namespace lumicord
