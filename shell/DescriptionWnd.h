#pragma once

// The description window: the help text with the table of scales, its first line bold, and a
// print handler bound to the name "Print". Closing it ends it; the next request builds it anew.

#include "framework/ui/EventTables.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/Window.h"

#include <string_view>

namespace framework {
class TextArea;
} // namespace framework

class DescriptionWnd : public framework::Window {
public:
    static constexpr std::string_view kClassName = "DescriptionWnd.DescriptionWnd";

    framework::TextArea& DescribeFld() const;
    framework::TextArea& DescribeFld2() const;

    bool ControlMenuItem_Action();
    bool AboutMenuItem_Action();
    bool Print_Action();

private:
    friend class framework::WindowFactory;
    DescriptionWnd();
    static const framework::WindowEventTable& Events();

    void Layout();
    void CreateControls();
    void CreateControls0();
    void AddMenuHandlers(framework::Window& window);
    void Event_Open();
    void Event_EnableMenuItems();
};

// The one description window, built on first use and anew after it was closed.
class DescriptionWnd& DescriptionWnd();
