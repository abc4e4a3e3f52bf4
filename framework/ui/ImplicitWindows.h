#pragma once

// The implicit instances: each window class has at most one live window, kept under the
// class's full name. The program's global window functions are one line each:
//
//   class ControlWnd& ControlWnd() { return framework::ImplicitInstance<class ControlWnd>(); }
//
// The class names its full name as `static constexpr std::string_view kClassName` and lets
// WindowFactory build it (`friend class framework::WindowFactory;`).

#include "framework/core/runtime/Exceptions.h"
#include "framework/ui/Delegates.h"
#include "framework/ui/Window.h"

#include <memory>
#include <string>
#include <string_view>

namespace framework {

// The live window of that class, or nullptr.
Window* GetImplicitWindow(std::string_view className);

// The window whose events enable the menus: the live window that is active now or, when none
// is, the visible one activated last; nullptr when no live window is visible.
Window* FrontWindow();

// Keeps the order in which windows were last activated, for FrontWindow.
void NoteWindowActivated(Window& window);

// Takes a closed window out of the registry; it is destroyed once the current event is done.
void RemoveImplicitWindow(Window& window);

// Destroys every window at once; the finalisers and the tests' teardown call it.
void DestroyAllWindows();

class WindowFactory {
public:
    template <class W> static std::unique_ptr<Window> Make() {
        return std::unique_ptr<Window>(new W());
    }
};

// Registers the new window under its class name, then runs its construction; a construction
// that fails leaves no window behind.
void ConstructImplicitWindow(std::unique_ptr<Window> window);

// The live window of class W, built from its lists when there is none.
template <class W> W& ImplicitInstance() {
    if (GetImplicitWindow(W::kClassName) == nullptr) {
        ConstructImplicitWindow(WindowFactory::Make<W>());
    }
    W* window = RuntimeCheckCast<W>(GetImplicitWindow(W::kClassName));
    if (window == nullptr) {
        throw NilObjectException("no window of class " + std::string(W::kClassName));
    }
    return *window;
}

} // namespace framework
