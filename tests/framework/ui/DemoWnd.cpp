#include "DemoWnd.h"

#include "framework/ui/Delegates.h"

#include <QImage>
#include <cstdint>
#include <stdexcept>

using framework::Color;
using framework::EncodePropertyList;
using framework::PropertyValue;
using framework::RuntimeCheckCast;
using framework::RuntimeCreateDelegate;

namespace {

PropertyValue I(std::int64_t value) {
    return value;
}

PropertyValue S(const char* text) {
    return std::string(text);
}

constexpr std::int64_t kNoArray = -2147483648LL;

const std::string& WindowList() {
    static const std::string list = EncodePropertyList({
        {"Width", I(300)},
        {"Height", I(200)},
        {"MinimumWidth", I(64)},
        {"MinimumHeight", I(64)},
        {"MaximumWidth", I(250)},
        {"MaximumHeight", I(500)},
        {"Type", I(0)},
        {"Title", S("Demo")},
        {"HasCloseButton", true},
        {"HasMaximizeButton", false},
        {"HasMinimizeButton", true},
        {"HasFullScreenButton", false},
        {"Resizeable", false},
        {"Composite", false},
        {"MacProcID", I(7)},
        {"FullScreen", false},
        {"DefaultLocation", I(0)},
        {"Visible", true},
        {"HasBackgroundColor", true},
        {"BackgroundColor", Color{0x00FFFFFF}},
        {"MenuBarVisible", true},
        {"LiveResize", false},
    });
    return list;
}

std::string FieldList(const char* name, std::int64_t left, std::int64_t top, std::int64_t tabIndex,
                      const char* parent) {
    return EncodePropertyList({
        {"Name", S(name)},
        {"Index", I(kNoArray)},
        {"Left", I(left)},
        {"Top", I(top)},
        {"Width", I(60)},
        {"Height", I(22)},
        {"TabIndex", I(tabIndex)},
        {"TabStop", true},
        {"HasBorder", true},
        {"BackgroundColor", Color{0x00FFFFFF}},
        {"TextColor", Color{0x00000000}},
        {"FontName", S("System")},
        {"FontSize", 12.0f},
        {"Bold", false},
        {"Value", S("")},
        {"TextAlignment", I(2)},
        {"ReadOnly", false},
        {"InitialParent", S(parent)},
    });
}

std::string ButtonList(const char* name, const char* caption, std::int64_t left,
                       std::int64_t tabIndex) {
    return EncodePropertyList({
        {"Name", S(name)},
        {"Index", I(kNoArray)},
        {"Left", I(left)},
        {"Top", I(160)},
        {"Width", I(70)},
        {"Height", I(30)},
        {"TabIndex", I(tabIndex)},
        {"TabStop", false},
        {"Caption", S(caption)},
        {"Default", true},
        {"InitialParent", S("")},
    });
}

} // namespace

DemoJournal& Journal() {
    static DemoJournal journal;
    return journal;
}

class DemoWnd& DemoWnd() {
    return framework::ImplicitInstance<class DemoWnd>();
}

DemoWnd::DemoWnd() : Window(std::string(kClassName), Events()) {}

const framework::WindowEventTable& DemoWnd::Events() {
    using framework::WindowEvent;
    static const auto table = framework::WindowEventTable()
                                  .On(WindowEvent::Layout, &DemoWnd::Layout)
                                  .On(WindowEvent::CreateControls, &DemoWnd::CreateControls)
                                  .OnAddMenuHandlers(&DemoWnd::AddMenuHandlers)
                                  .On(WindowEvent::Open, &DemoWnd::Event_Open)
                                  .On(WindowEvent::Activate, &DemoWnd::Event_Activate)
                                  .OnKeyDown(&DemoWnd::Event_KeyDown)
                                  .OnMouseDown(&DemoWnd::Event_MouseDown);
    return table;
}

void DemoWnd::Layout() {
    ++Journal().layoutRuns;
    Journal().events.push_back("Layout");
    framework::SetProperties(*this, WindowList());
}

void DemoWnd::CreateControls() {
    ++Journal().createControlsRuns;
    Journal().events.push_back("CreateControls");

    AddControl("Frame1", New<framework::Rectangle>());
    framework::SetProperties(*Frame1(), EncodePropertyList({
                                            {"Name", S("Frame1")},
                                            {"Index", I(kNoArray)},
                                            {"Left", I(10)},
                                            {"Top", I(50)},
                                            {"Width", I(200)},
                                            {"Height", I(60)},
                                            {"TabIndex", I(0)},
                                            {"BorderThickness", 2.0},
                                            {"TopLeftColor", Color{0x00CCCCCC}},
                                            {"BottomRightColor", Color{0x00666666}},
                                            {"FillColor", Color{0x00FFFFFF}},
                                            {"InitialParent", S("")},
                                        }));

    // Made in reverse of their Tab order, so the order cannot come from creation alone.
    AddControl("secondFld", New<framework::TextField>());
    framework::SetProperties(*secondFld(), FieldList("secondFld", 110, 60, 1, "Frame1"));
    AddControl("firstFld", New<framework::TextField>());
    framework::SetProperties(*firstFld(), FieldList("firstFld", 30, 60, 0, "Frame1"));
    firstFld()->BindKeyDown(RuntimeCreateDelegate(this, &DemoWnd::firstFld_KeyDown));
    AddControl("lateFld", New<framework::TextField>());
    framework::SetProperties(*lateFld(), FieldList("lateFld", 30, 120, 5, ""));
    AddControl("earlyFld", New<framework::TextField>());
    framework::SetProperties(*earlyFld(), FieldList("earlyFld", 110, 120, 4, ""));

    AddControl("NoteTxt", New<framework::Label>());
    framework::SetProperties(*NoteTxt(), EncodePropertyList({
                                             {"Name", S("NoteTxt")},
                                             {"Index", I(kNoArray)},
                                             {"Left", I(220)},
                                             {"Top", I(50)},
                                             {"Width", I(70)},
                                             {"Height", I(40)},
                                             {"TabIndex", I(3)},
                                             {"TabStop", true},
                                             {"Multiline", true},
                                             {"TextColor", Color{0x00000080}},
                                             {"Value", S("A note that wraps")},
                                             {"Bold", true},
                                             {"InitialParent", S("")},
                                         }));

    AddControl("CancelBtn", New<framework::PushButton>());
    framework::SetProperties(*CancelBtn(), ButtonList("CancelBtn", "Cancel", 130, 6));
    AddControl("OkBtn", New<framework::PushButton>());
    framework::SetProperties(*OkBtn(), ButtonList("OkBtn", "OK", 210, 7));
    OkBtn()->BindAction(RuntimeCreateDelegate(this, &DemoWnd::OkBtn_Action));

    AddControl("Canvas1", New<framework::Canvas>());
    QImage red(20, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    Canvas1()->SetBackdrop(std::make_shared<framework::Picture>(red));
    framework::SetProperties(*Canvas1(), EncodePropertyList({
                                             {"Name", S("Canvas1")},
                                             {"Index", I(kNoArray)},
                                             {"Left", I(10)},
                                             {"Top", I(10)},
                                             {"Width", I(40)},
                                             {"Height", I(30)},
                                             {"Transparent", false},
                                             {"Transparent", true},
                                             {"InitialParent", S("")},
                                         }));
    Canvas1()->BindMouseDown(RuntimeCreateDelegate(this, &DemoWnd::Canvas1_MouseDown));

    AddControl("Timer1", New<framework::Timer>());
    framework::SetProperties(*Timer1(),
                             EncodePropertyList({{"RunMode", I(1)}, {"Period", I(4000)}}));
    Timer1()->BindAction(RuntimeCreateDelegate(this, &DemoWnd::Timer1_Action));
}

void DemoWnd::AddMenuHandlers(framework::Window&) {
    Journal().events.push_back("AddMenuHandlers");
    AddMenuHandler("DemoMenuItem", [] { return false; });
}

void DemoWnd::Event_Open() {
    Journal().events.push_back(firstFld() != nullptr ? "Open with controls"
                                                     : "Open without controls");
}

void DemoWnd::Event_Activate() {
    Journal().events.push_back("Activate");
}

bool DemoWnd::Event_KeyDown(const std::string& key) {
    Journal().events.push_back("window KeyDown " + key);
    return false;
}

bool DemoWnd::Event_MouseDown(int x, int y) {
    Journal().events.push_back("window MouseDown " + std::to_string(x) + "," + std::to_string(y));
    return false;
}

bool DemoWnd::firstFld_KeyDown(framework::TextField&, const std::string& key) {
    Journal().keys.push_back(key);
    return key == "x";
}

void DemoWnd::OkBtn_Action(framework::PushButton&) {
    ++Journal().okPresses;
    if (Journal().throwOnOk) {
        throw framework::NilObjectException("OK pressed on a missing form");
    }
}

bool DemoWnd::Canvas1_MouseDown(framework::Canvas&, int x, int y) {
    Journal().events.push_back("canvas MouseDown " + std::to_string(x) + "," + std::to_string(y));
    return true;
}

void DemoWnd::Timer1_Action(framework::Timer&) {
    ++Journal().timerFirings;
}

framework::Rectangle* DemoWnd::Frame1() {
    return RuntimeCheckCast<framework::Rectangle>(ControlByName("Frame1"));
}
framework::TextField* DemoWnd::firstFld() {
    return RuntimeCheckCast<framework::TextField>(ControlByName("firstFld"));
}
framework::TextField* DemoWnd::secondFld() {
    return RuntimeCheckCast<framework::TextField>(ControlByName("secondFld"));
}
framework::TextField* DemoWnd::lateFld() {
    return RuntimeCheckCast<framework::TextField>(ControlByName("lateFld"));
}
framework::TextField* DemoWnd::earlyFld() {
    return RuntimeCheckCast<framework::TextField>(ControlByName("earlyFld"));
}
framework::Label* DemoWnd::NoteTxt() {
    return RuntimeCheckCast<framework::Label>(ControlByName("NoteTxt"));
}
framework::PushButton* DemoWnd::OkBtn() {
    return RuntimeCheckCast<framework::PushButton>(ControlByName("OkBtn"));
}
framework::PushButton* DemoWnd::CancelBtn() {
    return RuntimeCheckCast<framework::PushButton>(ControlByName("CancelBtn"));
}
framework::Canvas* DemoWnd::Canvas1() {
    return RuntimeCheckCast<framework::Canvas>(ControlByName("Canvas1"));
}
framework::Timer* DemoWnd::Timer1() {
    return RuntimeCheckCast<framework::Timer>(ControlByName("Timer1"));
}
