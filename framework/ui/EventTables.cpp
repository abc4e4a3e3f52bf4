#include "framework/ui/EventTables.h"

#include "framework/core/properties/NameMatching.h"

#include <array>
#include <utility>

namespace framework {
namespace {

constexpr std::array<std::pair<std::string_view, WindowEvent>, 9> kWindowEventNames{{
    {"Activate", WindowEvent::Activate},
    {"AddMenuHandlers", WindowEvent::AddMenuHandlers},
    {"Close", WindowEvent::Close},
    {"CreateControls", WindowEvent::CreateControls},
    {"EnableMenuItems", WindowEvent::EnableMenuItems},
    {"KeyDown", WindowEvent::KeyDown},
    {"Layout", WindowEvent::Layout},
    {"MouseDown", WindowEvent::MouseDown},
    {"Open", WindowEvent::Open},
}};

constexpr std::array<std::pair<std::string_view, ApplicationEvent>, 5> kApplicationEventNames{{
    {"Activate", ApplicationEvent::Activate},
    {"Close", ApplicationEvent::Close},
    {"Deactivate", ApplicationEvent::Deactivate},
    {"EnableMenuItems", ApplicationEvent::EnableMenuItems},
    {"Open", ApplicationEvent::Open},
}};

template <class Event, std::size_t count>
std::optional<Event> Named(const std::array<std::pair<std::string_view, Event>, count>& names,
                           std::string_view name) {
    for (const auto& [eventName, event] : names) {
        if (EqualsIgnoringCase(eventName, name)) {
            return event;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<WindowEvent> WindowEventNamed(std::string_view name) {
    return Named(kWindowEventNames, name);
}

std::optional<ApplicationEvent> ApplicationEventNamed(std::string_view name) {
    return Named(kApplicationEventNames, name);
}

void WindowEventTable::RequirePlain(WindowEvent event) {
    if (event == WindowEvent::KeyDown || event == WindowEvent::MouseDown ||
        event == WindowEvent::AddMenuHandlers) {
        throw std::invalid_argument(
            "this window event takes arguments; bind it with its own On method");
    }
}

bool WindowEventTable::Handles(WindowEvent event) const {
    switch (event) {
    case WindowEvent::KeyDown:
        return static_cast<bool>(keyDown_);
    case WindowEvent::MouseDown:
        return static_cast<bool>(mouseDown_);
    default:
        return plain_.contains(event);
    }
}

void WindowEventTable::Raise(Window& window, WindowEvent event) const {
    if (auto found = plain_.find(event); found != plain_.end()) {
        found->second(window);
    }
}

bool WindowEventTable::RaiseKeyDown(Window& window, const std::string& key) const {
    return keyDown_ && keyDown_(window, key);
}

bool WindowEventTable::RaiseMouseDown(Window& window, int x, int y) const {
    return mouseDown_ && mouseDown_(window, x, y);
}

bool ApplicationEventTable::Handles(ApplicationEvent event) const {
    return handlers_.contains(event);
}

void ApplicationEventTable::Raise(Application& app, ApplicationEvent event) const {
    if (auto found = handlers_.find(event); found != handlers_.end()) {
        found->second(app);
    }
}

} // namespace framework
