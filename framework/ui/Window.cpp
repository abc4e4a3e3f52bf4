#include "framework/ui/Window.h"

#include "framework/core/properties/LayoutLists.h"
#include "framework/ui/Appearance.h"
#include "framework/ui/Control.h"
#include "framework/ui/MenuBarPresenter.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TabOrder.h"
#include "framework/ui/Timer.h"
#include "framework/ui/WindowWidget.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <algorithm>
#include <utility>

namespace framework {

Window::Window(std::string className, const WindowEventTable& events)
    : className_(std::move(className)), events_(events),
      widget_(std::make_unique<WindowWidget>(*this)) {
    ApplyWindowFlags();
    ApplySizeLimits();
}

Window::~Window() {
    // Children before their parents: a contained control is always created after its parent.
    while (!controls_.empty()) {
        controls_.pop_back();
    }
}

void Window::Construct() {
    constructing_ = true;
    try {
        events_.Raise(*this, WindowEvent::Layout);
        // The list has set the window's kind, which decides whether it carries the menu bar.
        AttachMenuBar(*this);
        events_.Raise(*this, WindowEvent::CreateControls);
        events_.Raise(*this, WindowEvent::AddMenuHandlers);
        events_.Raise(*this, WindowEvent::Open);
    } catch (...) {
        constructing_ = false;
        throw;
    }
    constructing_ = false;
    if (showWhenBuilt_) {
        Show();
    }
}

void Window::Show() {
    if (!placed_) {
        CentreOnScreen();
        placed_ = true;
    }
    widget_->show();
    widget_->raise();
    widget_->activateWindow();
}

void Window::Hide() {
    widget_->hide();
}

void Window::Close() {
    widget_->close();
}

bool Window::Visible() const {
    return widget_->isVisible();
}

bool Window::AwaitsAppearance() const {
    return !appeared_ && (showWhenBuilt_ || widget_->isVisible());
}

void Window::NoteAppeared() {
    if (!std::exchange(appeared_, true)) {
        StartTimersAwaiting(*this);
    }
}

bool Window::IsActive() const {
    return widget_->isActiveWindow();
}

void Window::SetVisible(bool visible) {
    if (constructing_) {
        showWhenBuilt_ = visible;
    } else if (visible) {
        Show();
    } else {
        Hide();
    }
}

std::string Window::Title() const {
    return widget_->windowTitle().toStdString();
}

int Window::Width() const {
    return widget_->isVisible() ? Content()->width() : width_;
}

int Window::Height() const {
    return widget_->isVisible() ? Content()->height() : height_;
}

void Window::ApplyWindowFlags() {
    Qt::WindowFlags flags = Qt::Window;
    // Window managers offer to close any undecorated window, save the splash kind: that is how a
    // titleless window without a close button tells them it is not to be closed.
    if (type_ == kTitlelessWindow) {
        flags = (hasCloseButton_ ? Qt::Window : Qt::SplashScreen) | Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        flags.setFlag(Qt::WindowCloseButtonHint, hasCloseButton_);
        flags.setFlag(Qt::WindowMinimizeButtonHint, hasMinimizeButton_);
        flags.setFlag(Qt::WindowMaximizeButtonHint, hasMaximizeButton_ && resizeable_);
        flags.setFlag(Qt::WindowFullscreenButtonHint, hasFullScreenButton_);
    }
    const bool wasVisible = widget_->isVisible();
    widget_->setWindowFlags(flags);
    widget_->SetEdge(type_ == kTitlelessWindow);
    if (wasVisible) {
        widget_->show();
    }
}

// The maximum size never cuts a window below the size its list gives it, so every control the
// list places stays in view; a window that is not resizeable keeps exactly that size.
void Window::ApplySizeLimits() {
    ContentWidget& content = widget_->Content();
    const QSize size(width_, height_);
    content.SetWantedSize(size);
    const bool fixed = !resizeable_ || type_ == kTitlelessWindow;
    widget_->layout()->setSizeConstraint(fixed ? QLayout::SetFixedSize
                                               : QLayout::SetDefaultConstraint);
    if (fixed) {
        content.setFixedSize(size);
    } else {
        content.setMinimumSize(std::min(minimumWidth_, width_), std::min(minimumHeight_, height_));
        content.setMaximumSize(std::max(maximumWidth_, width_), std::max(maximumHeight_, height_));
    }
    widget_->adjustSize();
}

void Window::ApplyBackground() {
    ContentWidget& content = widget_->Content();
    SetPaletteColor(content, QPalette::Window, backgroundColor_);
    content.setAutoFillBackground(hasBackgroundColor_);
}

void Window::CentreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    widget_->adjustSize();
    QRect frame(QPoint(), widget_->size());
    frame.moveCenter(screen->availableGeometry().center());
    widget_->move(frame.topLeft());
}

bool Window::IsEventImplemented(std::string_view eventName) const {
    const auto event = WindowEventNamed(eventName);
    return event && events_.Handles(*event);
}

void Window::RaiseEvent(WindowEvent event) {
    events_.Raise(*this, event);
}

bool Window::RaiseKeyDown(const std::string& key) {
    return events_.RaiseKeyDown(*this, key);
}

bool Window::RaiseMouseDown(int x, int y) {
    return events_.RaiseMouseDown(*this, x, y);
}

void Window::AddControl(std::string name, std::unique_ptr<Control> control) {
    if (control == nullptr) {
        throw NilObjectException("AddControl: no control given for " + name);
    }
    control->SetName(std::move(name));
    controls_.push_back(std::move(control));
    UpdateTabOrder();
}

Control* Window::ControlByName(std::string_view name) const {
    const auto found =
        std::find_if(controls_.begin(), controls_.end(),
                     [name](const auto& control) { return control->Name() == name; });
    return found == controls_.end() ? nullptr : found->get();
}

std::vector<Control*> Window::Controls() const {
    std::vector<Control*> controls;
    for (const auto& control : controls_) {
        controls.push_back(control.get());
    }
    return controls;
}

void Window::AddMenuHandler(std::string itemName, MenuHandler handler) {
    menuHandlers_.Add(std::move(itemName), std::move(handler));
}

QWidget* Window::TopLevelWidget() const {
    return widget_.get();
}

QWidget* Window::Content() const {
    return &widget_->Content();
}

void Window::SetMenuBarWidget(QWidget* menuBar) {
    widget_->SetMenuBar(menuBar);
}

void Window::SetDefaultButton(PushButton& button, bool isDefault) {
    if (isDefault) {
        defaultButton_ = &button;
    } else if (defaultButton_ == &button) {
        defaultButton_ = nullptr;
    }
}

void Window::UpdateTabOrder() {
    ApplyTabOrder(TabChain(Controls()));
}

} // namespace framework
