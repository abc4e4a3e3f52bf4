#pragma once

// Window and application events reach a class through a static table: the class names, once,
// the method that handles each event it handles. The same table answers IsEventImplemented.
//
//   const framework::WindowEventTable& AboutWnd::Events() {
//       static const auto table = framework::WindowEventTable()
//           .On(framework::WindowEvent::Layout, &AboutWnd::Layout)
//           .OnKeyDown(&AboutWnd::Event_KeyDown);
//       return table;
//   }

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace framework {

class Application;
class Window;

enum class WindowEvent {
    Activate,
    AddMenuHandlers,
    Close,
    CreateControls,
    EnableMenuItems,
    KeyDown,
    Layout,
    MouseDown,
    Open
};

enum class ApplicationEvent { Activate, Close, Deactivate, EnableMenuItems, Open };

// The event of that name, matched without regard to case; nullopt for a name the owner lacks.
std::optional<WindowEvent> WindowEventNamed(std::string_view name);
std::optional<ApplicationEvent> ApplicationEventNamed(std::string_view name);

class WindowEventTable {
public:
    using PlainHandler = std::function<void(Window&)>;
    using KeyDownHandler = std::function<bool(Window&, const std::string&)>;
    using MouseDownHandler = std::function<bool(Window&, int, int)>;

    // Activate, Close, CreateControls, EnableMenuItems, Layout and Open: methods without
    // arguments. AddMenuHandlers passes the window, as a Window&.
    template <class W> WindowEventTable& On(WindowEvent event, void (W::*method)()) {
        RequirePlain(event);
        plain_[event] = [method](Window& window) { (static_cast<W&>(window).*method)(); };
        return *this;
    }
    template <class W> WindowEventTable& OnAddMenuHandlers(void (W::*method)(Window&)) {
        plain_[WindowEvent::AddMenuHandlers] = [method](Window& window) {
            (static_cast<W&>(window).*method)(window);
        };
        return *this;
    }
    // The key as text (Backspace "\x08", Delete "\x7f"); True consumes it.
    template <class W> WindowEventTable& OnKeyDown(bool (W::*method)(const std::string&)) {
        keyDown_ = [method](Window& window, const std::string& key) {
            return (static_cast<W&>(window).*method)(key);
        };
        return *this;
    }
    // The position in the window's content coordinates.
    template <class W> WindowEventTable& OnMouseDown(bool (W::*method)(int, int)) {
        mouseDown_ = [method](Window& window, int x, int y) {
            return (static_cast<W&>(window).*method)(x, y);
        };
        return *this;
    }

    bool Handles(WindowEvent event) const;
    // Raises an event without arguments; nothing happens when the class does not handle it.
    void Raise(Window& window, WindowEvent event) const;
    // False when the class does not handle the event.
    bool RaiseKeyDown(Window& window, const std::string& key) const;
    bool RaiseMouseDown(Window& window, int x, int y) const;

private:
    static void RequirePlain(WindowEvent event);

    std::map<WindowEvent, PlainHandler> plain_;
    KeyDownHandler keyDown_;
    MouseDownHandler mouseDown_;
};

class ApplicationEventTable {
public:
    template <class A> ApplicationEventTable& On(ApplicationEvent event, void (A::*method)()) {
        handlers_[event] = [method](Application& app) { (static_cast<A&>(app).*method)(); };
        return *this;
    }

    bool Handles(ApplicationEvent event) const;
    void Raise(Application& app, ApplicationEvent event) const;

private:
    std::map<ApplicationEvent, std::function<void(Application&)>> handlers_;
};

} // namespace framework
