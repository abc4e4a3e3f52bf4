#include "framework/ui/ImplicitWindows.h"

#include <QApplication>
#include <QTimer>
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

} // namespace

Window* GetImplicitWindow(std::string_view className) {
    const auto found = LiveWindows().find(className);
    return found == LiveWindows().end() ? nullptr : found->second.get();
}

Window* FrontWindow() {
    const QWidget* active = QApplication::activeWindow();
    for (const auto& [className, window] : LiveWindows()) {
        if (active != nullptr && window->TopLevelWidget() == active) {
            return window.get();
        }
    }
    return nullptr;
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
