#include "DemoWnd.h"

#include "framework/core/properties/LayoutLists.h"
#include "framework/ui/Delegates.h"

#include <QImage>
#include <cstdint>

using framework::LayoutList;
using framework::RuntimeCreateDelegate;

namespace {

const std::string& WindowList() {
    // MaximumWidth lies below Width, which must not cut the content; MacProcID is kept as given.
    static const std::string list = LayoutList(framework::WindowLayout{.width = 300,
                                                                       .height = 200,
                                                                       .maximumWidth = 250,
                                                                       .maximumHeight = 500,
                                                                       .title = "Demo",
                                                                       .macProcId = 7});
    return list;
}

const framework::RectangleLayout kFrame{.place = {"Frame1", 10, 50, 200, 60}};

// Made in reverse of their Tab order, so the order cannot come from creation alone.
const framework::TextFieldLayout kFields[] = {
    {.place = {"secondFld", 110, 60, 60, 22, 1, true, "Frame1"}},
    {.place = {"firstFld", 30, 60, 60, 22, 0, true, "Frame1"}},
    {.place = {"lateFld", 30, 120, 60, 22, 5, true}},
    {.place = {"earlyFld", 110, 120, 60, 22, 4, true}},
};

const framework::LabelLayout kNote{.place = {"NoteTxt", 220, 50, 70, 40, 3, true},
                                   .value = "A note that wraps",
                                   .multiline = true,
                                   .textColor = framework::Color{0x00000080},
                                   .bold = true};

const framework::PushButtonLayout kCancel{.place = {"CancelBtn", 130, 160, 70, 30, 6},
                                          .caption = "Cancel"};
const framework::PushButtonLayout kOk{.place = {"OkBtn", 210, 160, 70, 30, 7}, .caption = "OK"};

const framework::CanvasLayout kCanvas{.place = {"Canvas1", 10, 10, 40, 30}};

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
    Journal().events.push_back("Layout");
    framework::SetProperties(*this, WindowList());
}

template <class T> T& DemoWnd::Add(std::string_view name, const std::string& list) {
    AddControl(std::string(name), New<T>());
    T& control = Get<T>(name);
    framework::SetProperties(control, list);
    return control;
}

void DemoWnd::CreateControls() {
    ++Journal().createControlsRuns;
    Journal().events.push_back("CreateControls");

    Add<framework::Rectangle>("Frame1", LayoutList(kFrame));
    for (const framework::TextFieldLayout& field : kFields) {
        Add<framework::TextField>(field.place.name, LayoutList(field));
    }
    Get<framework::TextField>("firstFld")
        .BindKeyDown(RuntimeCreateDelegate(this, &DemoWnd::firstFld_KeyDown));
    Add<framework::Label>("NoteTxt", LayoutList(kNote));
    Add<framework::PushButton>("CancelBtn", LayoutList(kCancel));
    Add<framework::PushButton>("OkBtn", LayoutList(kOk))
        .BindAction(RuntimeCreateDelegate(this, &DemoWnd::OkBtn_Action));

    // The backdrop goes on before the list, as for the program's own canvases.
    AddControl("Canvas1", New<framework::Canvas>());
    QImage red(20, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    auto& canvas = Get<framework::Canvas>("Canvas1");
    canvas.SetBackdrop(std::make_shared<framework::Picture>(red));
    framework::SetProperties(canvas, LayoutList(kCanvas));
    canvas.BindMouseDown(RuntimeCreateDelegate(this, &DemoWnd::Canvas1_MouseDown));
}

void DemoWnd::AddMenuHandlers(framework::Window&) {
    Journal().events.push_back("AddMenuHandlers");
    AddMenuHandler("DemoMenuItem", [] { return false; });
}

void DemoWnd::Event_Open() {
    Journal().events.push_back(ControlByName("firstFld") != nullptr ? "Open with controls"
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
}

bool DemoWnd::Canvas1_MouseDown(framework::Canvas&, int x, int y) {
    Journal().events.push_back("canvas MouseDown " + std::to_string(x) + "," + std::to_string(y));
    return true;
}
