#include "shell/AboutWnd.h"

#include "conversion/ControlWnd.h"
#include "framework/properties/PropertyList.h"
#include "framework/runtime/Exceptions.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Delegates.h"
#include "framework/ui/Label.h"
#include "framework/ui/Picture.h"
#include "framework/ui/Timer.h"
#include "shell/Attribution.h"
#include "shell/Pictures.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

using framework::Color;
using framework::FontUnit;
using framework::PropertyEntry;

constexpr std::int64_t kNoControlArray = -2147483648LL;
// The window kind of this window alone: no title bar, no buttons, fixed size.
constexpr std::int64_t kTitlelessWindow = 2;
constexpr std::int64_t kCentred = 2;
constexpr std::int64_t kFireOnce = 1;
constexpr std::int64_t kSplashMilliseconds = 4000;

std::string Text(std::string_view text) {
    return std::string(text);
}

const std::string& WindowList() {
    static const std::string list = framework::EncodePropertyList({
        {"Width", std::int64_t{334}},
        {"Height", std::int64_t{200}},
        {"MinimumWidth", std::int64_t{64}},
        {"MinimumHeight", std::int64_t{64}},
        {"MaximumWidth", std::int64_t{32000}},
        {"MaximumHeight", std::int64_t{32000}},
        {"Type", kTitlelessWindow},
        {"Title", Text("")},
        {"HasCloseButton", false},
        {"HasMaximizeButton", false},
        {"HasMinimizeButton", false},
        {"HasFullScreenButton", false},
        {"Resizeable", false},
        {"Composite", false},
        {"MacProcID", std::int64_t{0}},
        {"FullScreen", false},
        {"DefaultLocation", std::int64_t{0}},
        {"Visible", true},
        {"HasBackgroundColor", true},
        {"BackgroundColor", Color{0x00FFFFFF}},
        {"MenuBarVisible", true},
        {"LiveResize", false},
    });
    return list;
}

struct CanvasPlace {
    std::string_view name;
    std::int64_t left, top, width, height;
    bool locked;
    std::int64_t tabIndex;
    // The icon's list has no DoubleBuffer entry, so its two Transparent entries meet.
    bool listsDoubleBuffer;
};

constexpr CanvasPlace kTitle{"Canvas1", 11, 33, 313, 20, false, 0, true};
constexpr CanvasPlace kIcon{"Canvas2", 134, 80, 65, 65, true, 2, false};

std::string CanvasList(const CanvasPlace& place) {
    std::vector<PropertyEntry> entries{
        {"Name", Text(place.name)},
        {"Index", kNoControlArray},
        {"Left", place.left},
        {"Top", place.top},
        {"Width", place.width},
        {"Height", place.height},
        {"LockLeft", place.locked},
        {"LockTop", place.locked},
        {"LockRight", false},
        {"LockBottom", false},
        {"TabIndex", place.tabIndex},
        {"TabPanelIndex", std::int64_t{0}},
        {"TabStop", true},
        {"AllowAutoDeactivate", true},
        {"Enabled", true},
        {"Tooltip", Text("")},
        {"AllowFocusRing", true},
        {"Visible", true},
        {"AllowFocus", false},
        {"AllowTabs", false},
        {"Transparent", true},
    };
    if (place.listsDoubleBuffer) {
        entries.push_back({"DoubleBuffer", false});
    }
    entries.push_back({"Transparent", true});
    entries.push_back({"InitialParent", Text("")});
    return framework::EncodePropertyList(entries);
}

const std::string& AttributionList() {
    static const std::string list = framework::EncodePropertyList({
        {"Name", Text("StaticText5")},
        {"Index", kNoControlArray},
        {"Left", std::int64_t{0}},
        {"Top", std::int64_t{176}},
        {"Width", std::int64_t{334}},
        {"Height", std::int64_t{16}},
        {"LockLeft", false},
        {"LockTop", false},
        {"LockRight", false},
        {"LockBottom", false},
        {"TabIndex", std::int64_t{1}},
        {"TabPanelIndex", std::int64_t{0}},
        {"TabStop", false},
        {"AllowAutoDeactivate", true},
        {"Enabled", true},
        {"Tooltip", Text("")},
        {"Multiline", false},
        {"Selectable", false},
        {"TextAlignment", kCentred},
        {"TextColor", Color{0x00000080}},
        {"Transparent", true},
        {"Value", Text(kAttributionLine)},
        {"Visible", true},
        {"Bold", false},
        {"Italic", false},
        {"FontName", Text("System")},
        {"Underline", false},
        {"FontSize", 10.0f},
        {"FontUnit", FontUnit{0}},
        {"DataSource", Text("")},
        {"DataField", Text("")},
        {"InitialParent", Text("")},
    });
    return list;
}

const std::string& TimerList() {
    static const std::string list =
        framework::EncodePropertyList({{"RunMode", kFireOnce}, {"Period", kSplashMilliseconds}});
    return list;
}

// The window's control of that name as its class; a missing control is the nil-object failure.
template <class T> T& Fetch(const framework::Window& window, std::string_view name) {
    T* control = framework::RuntimeCheckCast<T>(window.ControlByName(name));
    if (control == nullptr) {
        throw framework::NilObjectException("the About window has no control " + Text(name));
    }
    return *control;
}

} // namespace

class AboutWnd& AboutWnd() {
    return framework::ImplicitInstance<class AboutWnd>();
}

AboutWnd::AboutWnd() : Window(std::string(kClassName), Events()) {}

const framework::WindowEventTable& AboutWnd::Events() {
    using framework::WindowEvent;
    static const auto table = framework::WindowEventTable()
                                  .On(WindowEvent::Layout, &AboutWnd::Layout)
                                  .On(WindowEvent::CreateControls, &AboutWnd::CreateControls)
                                  .OnKeyDown(&AboutWnd::Event_KeyDown)
                                  .OnMouseDown(&AboutWnd::Event_MouseDown);
    return table;
}

void AboutWnd::Layout() {
    framework::SetProperties(*this, WindowList());
}

void AboutWnd::CreateControls() {
    CreateControls0();
}

void AboutWnd::CreateControls0() {
    AddCanvas(kTitle.name, QVRtitleSm(), CanvasList(kTitle));

    AddControl("StaticText5", New<framework::Label>());
    framework::SetProperties(StaticText5(), AttributionList());

    AddControl("Timer1", New<framework::Timer>());
    framework::SetProperties(Timer1(), TimerList());
    Timer1().BindAction(framework::RuntimeCreateDelegate(this, &AboutWnd::Timer1_Action));

    AddCanvas(kIcon.name, Icon64(), CanvasList(kIcon));
}

// The backdrop goes on before the list, as for every canvas of the program.
void AboutWnd::AddCanvas(std::string_view name, std::shared_ptr<framework::Picture> backdrop,
                         const std::string& list) {
    AddControl(Text(name), New<framework::Canvas>());
    Fetch<framework::Canvas>(*this, name).SetBackdrop(std::move(backdrop));
    framework::SetProperties(Fetch<framework::Canvas>(*this, name), list);
}

framework::Canvas& AboutWnd::Canvas1() const {
    return Fetch<framework::Canvas>(*this, "Canvas1");
}

framework::Label& AboutWnd::StaticText5() const {
    return Fetch<framework::Label>(*this, "StaticText5");
}

framework::Timer& AboutWnd::Timer1() const {
    return Fetch<framework::Timer>(*this, "Timer1");
}

framework::Canvas& AboutWnd::Canvas2() const {
    return Fetch<framework::Canvas>(*this, "Canvas2");
}

void AboutWnd::Timer1_Action(framework::Timer&) {
    HandOver();
}

bool AboutWnd::Event_KeyDown(const std::string&) {
    HandOver();
    return false;
}

bool AboutWnd::Event_MouseDown(int, int) {
    HandOver();
    return false;
}

// The same for the splash and for the About box: the About window steps aside and the converter
// window comes to the front, built the first time.
void AboutWnd::HandOver() {
    ::AboutWnd().Hide();
    ::ControlWnd().Show();
}
