#pragma once

// A window of the program: a top-level Qt widget with a content area in which its controls
// stand at the positions their lists give. A window class derives from Window, passes its full
// class name and its static event table (EventTables.h) to the constructor, and makes its
// constructor private with `friend class framework::WindowFactory;`, so that only its
// implicit-instance function (ImplicitWindows.h) builds one.
//
// Construction raises Layout (the class applies its window list), CreateControls (the class
// creates its controls: New, AddControl, ControlByName, SetProperties, bind), AddMenuHandlers
// and Open, in that order; a window whose list said Visible True is then shown.

#include "framework/core/menus/MenuHandlers.h"
#include "framework/core/properties/PropertyList.h"
#include "framework/ui/EventTables.h"
#include "framework/ui/PropertyTable.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace framework {

class Control;
class PushButton;
class WindowWidget;

class Window : public PropertyTarget {
public:
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The full class name, module and class ("ControlWnd.ControlWnd").
    const std::string& ClassName() const { return className_; }

    // The construction sequence; an exception stops it and passes to the caller.
    void Construct();

    // Shows the window (centred on the screen the first time), brings it to the front and
    // activates it.
    void Show();
    void Hide();
    // Closes the window as the close button does: raises Close, and the window leaves the
    // implicit-instance registry and is destroyed once the current event is done. A window
    // without a close button refuses, as it refuses a window manager's close request.
    void Close();
    bool Visible() const;
    bool IsActive() const;
    // Shown, or to be shown once built, but not yet on screen: its timers wait for that, so that
    // a slow start never shortens what they time, such as how long a splash stays up.
    bool AwaitsAppearance() const;
    // The window has been painted on screen for the first time.
    void NoteAppeared();

    // The window list's properties (all 22 names are accepted).
    void SetProperty(std::string_view name, const PropertyValue& value) override;
    std::string Title() const;
    // The content size, without title bar or menu bar.
    int Width() const;
    int Height() const;
    int Type() const { return type_; }
    bool Resizeable() const { return resizeable_; }
    bool HasCloseButton() const { return hasCloseButton_; }
    std::int64_t MacProcId() const { return macProcId_; }

    bool IsEventImplemented(std::string_view eventName) const;
    // Raised by the framework: Activate, Close, EnableMenuItems (by the menu bar) and so on.
    void RaiseEvent(WindowEvent event);
    bool RaiseKeyDown(const std::string& key);
    bool RaiseMouseDown(int x, int y);

    // A new control of class T for this window, placed in its content area, not yet added.
    template <class T> std::unique_ptr<T> New() { return std::make_unique<T>(*this); }
    // Registers the control under its name; the window owns it from now on.
    void AddControl(std::string name, std::unique_ptr<Control> control);
    // The control of that name, or nullptr.
    Control* ControlByName(std::string_view name) const;
    // The controls in creation order.
    std::vector<Control*> Controls() const;

    void AddMenuHandler(std::string itemName, MenuHandler handler);
    const MenuHandlers& BoundMenuHandlers() const { return menuHandlers_; }

    // The framework's own side: the widgets, the default button and the focus order.
    QWidget* TopLevelWidget() const;
    QWidget* Content() const;
    // Puts the menu bar above the content area, so content coordinates stay as the lists give.
    void SetMenuBarWidget(QWidget* menuBar);
    // The button that Return presses: the last one made default.
    PushButton* DefaultButton() const { return defaultButton_; }
    void SetDefaultButton(PushButton& button, bool isDefault);
    // Called when a control's TabIndex, TabStop or parent changes.
    void UpdateTabOrder();

protected:
    Window(std::string className, const WindowEventTable& events);

private:
    static std::span<const PropertyRow<Window>> PropertyRows();
    void SetVisible(bool visible);
    void ApplyWindowFlags();
    void ApplySizeLimits();
    void ApplyBackground();
    void CentreOnScreen();

    std::string className_;
    const WindowEventTable& events_;
    std::unique_ptr<WindowWidget> widget_;
    std::vector<std::unique_ptr<Control>> controls_;
    MenuHandlers menuHandlers_;
    PushButton* defaultButton_ = nullptr;
    bool constructing_ = false;
    bool showWhenBuilt_ = false;
    bool placed_ = false;
    bool appeared_ = false;
    int type_ = 0;
    int width_ = 100;
    int height_ = 100;
    bool resizeable_ = true;
    bool hasCloseButton_ = true;
    bool hasMinimizeButton_ = true;
    bool hasMaximizeButton_ = true;
    bool hasFullScreenButton_ = false;
    int minimumWidth_ = 0;
    int minimumHeight_ = 0;
    int maximumWidth_ = 32000;
    int maximumHeight_ = 32000;
    std::int64_t macProcId_ = 0;
    bool hasBackgroundColor_ = false;
    Color backgroundColor_{0x00FFFFFF};
};

} // namespace framework
