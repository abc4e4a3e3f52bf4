#pragma once

// The About window: a small fixed window with the title picture, the icon and the attribution
// line. At start-up it is the splash; later the About commands show it again. A key, a click or
// its one-shot timer hands over to the converter window. It is hidden, never closed.

#include "framework/ui/EventTables.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/Window.h"

#include <memory>
#include <string>
#include <string_view>

namespace framework {
class Canvas;
struct CanvasLayout;
class Label;
class Picture;
class Timer;
} // namespace framework

class AboutWnd : public framework::Window {
public:
    static constexpr std::string_view kClassName = "AboutWnd.AboutWnd";

    framework::Canvas& Canvas1() const;
    framework::Label& StaticText5() const;
    framework::Timer& Timer1() const;
    framework::Canvas& Canvas2() const;

    void Timer1_Action(framework::Timer& timer);
    bool Event_KeyDown(const std::string& key);
    bool Event_MouseDown(int x, int y);

private:
    friend class framework::WindowFactory;
    AboutWnd();
    static const framework::WindowEventTable& Events();

    void Layout();
    void CreateControls();
    void CreateControls0();
    void AddCanvas(const framework::CanvasLayout& layout,
                   std::shared_ptr<framework::Picture> backdrop);
    void HandOver();
};

// The one About window, built on first use.
class AboutWnd& AboutWnd();
