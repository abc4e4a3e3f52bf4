#include "shell/AboutWnd.h"

#include "conversion/window/ControlWnd.h"
#include "framework/core/properties/LayoutLists.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/ControlNamed.h"
#include "framework/ui/Delegates.h"
#include "framework/ui/Label.h"
#include "framework/ui/Picture.h"
#include "framework/ui/Timer.h"
#include "shell/Attribution.h"
#include "shell/Pictures.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace {

using framework::ControlNamed;

constexpr std::int64_t kFireOnce = 1;
constexpr std::int64_t kSplashMilliseconds = 4000;

const std::string& WindowList() {
    static const std::string list = framework::LayoutList(framework::WindowLayout{
        .width = 334,
        .height = 200,
        .type = framework::kTitlelessWindow,
        .hasCloseButton = false,
        .hasMinimizeButton = false,
    });
    return list;
}

const framework::CanvasLayout kTitle{
    .place = {
        .name = "Canvas1", .left = 11, .top = 33, .width = 313, .height = 20, .tabStop = true}};
// The icon's list has no DoubleBuffer entry, so its two Transparent entries meet.
const framework::CanvasLayout kIcon{
    .place = {.name = "Canvas2",
              .left = 134,
              .top = 80,
              .width = 65,
              .height = 65,
              .tabIndex = 2,
              .tabStop = true,
              .lockLeft = true,
              .lockTop = true},
    .doubleBuffer = std::nullopt,
};

const std::string& AttributionList() {
    static const std::string list = framework::LayoutList(framework::LabelLayout{
        .place = {.name = "StaticText5", .top = 176, .width = 334, .height = 16, .tabIndex = 1},
        .value = kAttributionLine,
        .textColor = framework::Color{0x00000080},
        .fontSize = 10.0f,
    });
    return list;
}

const std::string& TimerList() {
    static const std::string list =
        framework::EncodePropertyList({{"RunMode", kFireOnce}, {"Period", kSplashMilliseconds}});
    return list;
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
    AddCanvas(kTitle, QVRtitleSm());

    AddControl("StaticText5", New<framework::Label>());
    framework::SetProperties(StaticText5(), AttributionList());

    AddControl("Timer1", New<framework::Timer>());
    framework::SetProperties(Timer1(), TimerList());
    Timer1().BindAction(framework::RuntimeCreateDelegate(this, &AboutWnd::Timer1_Action));

    AddCanvas(kIcon, Icon64());
}

// The backdrop goes on before the list, as for every canvas of the program.
void AboutWnd::AddCanvas(const framework::CanvasLayout& layout,
                         std::shared_ptr<framework::Picture> backdrop) {
    const std::string_view name = layout.place.name;
    AddControl(std::string(name), New<framework::Canvas>());
    ControlNamed<framework::Canvas>(*this, name).SetBackdrop(std::move(backdrop));
    framework::SetProperties(ControlNamed<framework::Canvas>(*this, name),
                             framework::LayoutList(layout));
}

framework::Canvas& AboutWnd::Canvas1() const {
    return ControlNamed<framework::Canvas>(*this, "Canvas1");
}

framework::Label& AboutWnd::StaticText5() const {
    return ControlNamed<framework::Label>(*this, "StaticText5");
}

framework::Timer& AboutWnd::Timer1() const {
    return ControlNamed<framework::Timer>(*this, "Timer1");
}

framework::Canvas& AboutWnd::Canvas2() const {
    return ControlNamed<framework::Canvas>(*this, "Canvas2");
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
