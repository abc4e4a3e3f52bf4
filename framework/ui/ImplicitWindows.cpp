#include "framework/ui/ImplicitWindows.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <map>
#include <vector>

namespace framework {
namespace {

std::map<std::string, std::unique_ptr<Window>, std::less<>>& LiveWindows() {
    static std::map<std::string, std::unique_ptr<Window>, std::less<>> windows;
    return windows;
}

// Closed windows wait here until the event that closed them is done with their widgets.
std::vector<std::unique_ptr<Window>>& ClosedWindows() {
    static std::vector<std::unique_ptr<Window>> windows;
    return windows;
}

void DestroyClosedWindows() {
    ClosedWindows().clear();
}

// Top-level widgets, the most recently activated first; a destroyed window's entry lapses.
std::vector<QPointer<QWidget>>& ActivationOrder() {
    static std::vector<QPointer<QWidget>> order;
    return order;
}

Window* LiveWindowOf(const QWidget* widget) {
    if (widget == nullptr) {
        return nullptr;
    }
    for (const auto& [className, window] : LiveWindows()) {
        if (window->TopLevelWidget() == widget) {
            return window.get();
        }
    }
    return nullptr;
}

} // namespace

Window* GetImplicitWindow(std::string_view className) {
    const auto found = LiveWindows().find(className);
    return found == LiveWindows().end() ? nullptr : found->second.get();
}

Window* FrontWindow() {
    const QWidget* active = QApplication::activeWindow();
    if (Window* window = LiveWindowOf(active)) {
        return window;
    }
    for (const auto& widget : ActivationOrder()) {
        Window* window = LiveWindowOf(widget);
        if (window != nullptr && window->Visible()) {
            return window;
        }
    }
    return nullptr;
}

void NoteWindowActivated(Window& window) {
    auto& order = ActivationOrder();
    std::erase_if(order, [&window](const QPointer<QWidget>& widget) {
        return widget.isNull() || widget == window.TopLevelWidget();
    });
    order.insert(order.begin(), window.TopLevelWidget());
}

void ConstructImplicitWindow(std::unique_ptr<Window> window) {
    Window& built = *window;
    const std::string className = built.ClassName();
    LiveWindows()[className] = std::move(window);
    try {
        built.Construct();
    } catch (...) {
        if (GetImplicitWindow(className) == &built) {
            LiveWindows().erase(className);
        }
        throw;
    }
}

void RemoveImplicitWindow(Window& window) {
    const auto found = LiveWindows().find(window.ClassName());
    if (found == LiveWindows().end() || found->second.get() != &window) {
        return;
    }
    ClosedWindows().push_back(std::move(found->second));
    LiveWindows().erase(found);
    QTimer::singleShot(0, DestroyClosedWindows);
}

void DestroyAllWindows() {
    DestroyClosedWindows();
    LiveWindows().clear();
}

} // namespace framework
