#include "framework/ui/WindowWidget.h"

#include "framework/ui/Appearance.h"
#include "framework/ui/Dialogs.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/Keys.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/Window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace framework {

WindowWidget::WindowWidget(Window& window)
    : window_(window), layout_(new QVBoxLayout(this)), content_(new ContentWidget) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addWidget(content_);
}

void WindowWidget::SetEdge(bool edged) {
    const int edge = edged ? 1 : 0;
    layout_->setContentsMargins(edge, edge, edge, edge);
    // Only the edge is grey: children such as a menu bar take the window's palette.
    setPalette(QPalette());
    if (edged) {
        SetPaletteColor(*this, QPalette::Window, Color{0x007F7F7F});
    }
    setAutoFillBackground(edged);
}

void WindowWidget::SetMenuBar(QWidget* menuBar) {
    layout_->setMenuBar(menuBar);
}

bool WindowWidget::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        NoteWindowActivated(window_);
        if (!IsReturnFromMessageBox(*this)) {
            CallHandler([this] { window_.RaiseEvent(WindowEvent::Activate); });
        }
    }
    // The native window exists by the time the widget is shown; it is watched until exposed.
    if (event->type() == QEvent::Show && window_.AwaitsAppearance()) {
        windowHandle()->installEventFilter(this);
    }
    return QWidget::event(event);
}

// The window has appeared once its first exposure is painted, which its own handling of the
// exposure does: the news waits until that is done.
bool WindowWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { window_.NoteAppeared(); });
    }
    return QWidget::eventFilter(watched, event);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    // A window manager offers to close even a window whose list gave it no close button.
    if (!window_.HasCloseButton()) {
        event->ignore();
        return;
    }
    CallHandler([this] { window_.RaiseEvent(WindowEvent::Close); });
    event->accept();
    RemoveImplicitWindow(window_);
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    PushButton* button = window_.DefaultButton();
    if (isReturn && button != nullptr && button->Visible() && button->Enabled()) {
        button->Push();
        return;
    }
    const auto key = WindowKeyDownText(*event);
    if (key && CallHandler([this, &key] { return window_.RaiseKeyDown(*key); }, false)) {
        return;
    }
    QWidget::keyPressEvent(event);
}

void WindowWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint position = content_->mapFrom(this, event->position().toPoint());
    if (CallHandler([this, position] { return window_.RaiseMouseDown(position.x(), position.y()); },
                    false)) {
        return;
    }
    QWidget::mousePressEvent(event);
}

} // namespace framework
