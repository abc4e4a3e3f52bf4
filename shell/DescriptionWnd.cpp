#include "shell/DescriptionWnd.h"

#include "conversion/window/ControlWnd.h"
#include "framework/core/properties/LayoutLists.h"
#include "framework/ui/ControlNamed.h"
#include "framework/ui/Delegates.h"
#include "framework/ui/Printing.h"
#include "framework/ui/TextArea.h"
#include "shell/AboutWnd.h"
#include "shell/Attribution.h"
#include "shell/DescriptionText.h"
#include "shell/MenuItems.h"

#include <memory>
#include <string>

namespace {

// The printed column and the one block of it that is printed, in points: a page's top 7.5 inches.
constexpr double kPrintWidth = 540;
constexpr double kPrintHeight = 540;

const std::string& WindowList() {
    static const std::string list = framework::LayoutList(framework::WindowLayout{
        .width = 535,
        .height = 450,
        .title = "Description",
        .hasBackgroundColor = false,
    });
    return list;
}

// Both areas stand one point beyond the window's top-left corner and follow all its edges.
constexpr framework::ControlPlace Filling(framework::ControlPlace place) {
    place.left = -1;
    place.top = -1;
    place.lockLeft = place.lockTop = place.lockRight = place.lockBottom = true;
    return place;
}

// An empty area that lies wholly under the one the user sees.
const std::string& DescribeFldList() {
    static const std::string list = framework::LayoutList(framework::TextAreaLayout{
        .place = Filling({.name = "DescribeFld", .width = 535, .height = 400, .tabStop = true}),
        .fontSize = 0.0f,
        .readOnly = true,
    });
    return list;
}

const std::string& DescribeFld2List() {
    static const std::string list = framework::LayoutList(framework::TextAreaLayout{
        .place = Filling({.name = "DescribeFld2", .width = 537, .height = 431, .tabIndex = 1}),
        .value = DescriptionText(),
        .fontName = "Courier",
    });
    return list;
}

} // namespace

class DescriptionWnd& DescriptionWnd() {
    return framework::ImplicitInstance<class DescriptionWnd>();
}

DescriptionWnd::DescriptionWnd() : Window(std::string(kClassName), Events()) {}

const framework::WindowEventTable& DescriptionWnd::Events() {
    using framework::WindowEvent;
    static const auto table =
        framework::WindowEventTable()
            .On(WindowEvent::Layout, &DescriptionWnd::Layout)
            .On(WindowEvent::CreateControls, &DescriptionWnd::CreateControls)
            .OnAddMenuHandlers(&DescriptionWnd::AddMenuHandlers)
            .On(WindowEvent::Open, &DescriptionWnd::Event_Open)
            .On(WindowEvent::EnableMenuItems, &DescriptionWnd::Event_EnableMenuItems);
    return table;
}

void DescriptionWnd::Layout() {
    framework::SetProperties(*this, WindowList());
}

void DescriptionWnd::CreateControls() {
    CreateControls0();
}

void DescriptionWnd::CreateControls0() {
    AddControl("DescribeFld", New<framework::TextArea>());
    framework::SetProperties(DescribeFld(), DescribeFldList());
    AddControl("DescribeFld2", New<framework::TextArea>());
    framework::SetProperties(DescribeFld2(), DescribeFld2List());
}

framework::TextArea& DescriptionWnd::DescribeFld() const {
    return framework::ControlNamed<framework::TextArea>(*this, "DescribeFld");
}

framework::TextArea& DescriptionWnd::DescribeFld2() const {
    return framework::ControlNamed<framework::TextArea>(*this, "DescribeFld2");
}

void DescriptionWnd::AddMenuHandlers(framework::Window& window) {
    using framework::RuntimeCreateDelegate;
    auto& self = static_cast<class DescriptionWnd&>(window);
    self.AddMenuHandler("ControlMenuItem",
                        RuntimeCreateDelegate(&self, &DescriptionWnd::ControlMenuItem_Action));
    self.AddMenuHandler("AboutMenuItem",
                        RuntimeCreateDelegate(&self, &DescriptionWnd::AboutMenuItem_Action));
    // No item of the menu bar carries this name; whoever chooses "Print" by name reaches it.
    self.AddMenuHandler("Print", RuntimeCreateDelegate(&self, &DescriptionWnd::Print_Action));
}

// The product name on line 1 is bold each time a window opens. The selection stays on it.
void DescriptionWnd::Event_Open() {
    DescribeFld2().SetSelStart(0);
    DescribeFld2().SetSelLength(static_cast<int>(kProductName.size()));
    DescribeFld2().SetSelBold(true);
}

void DescriptionWnd::Event_EnableMenuItems() {
    SetItemEnabled(ControlMenuItem(), true);
    SetItemEnabled(AboutMenuItem(), true);
}

bool DescriptionWnd::ControlMenuItem_Action() {
    ::ControlWnd().Show();
    return false;
}

bool DescriptionWnd::AboutMenuItem_Action() {
    ::AboutWnd().Show();
    return false;
}

// One block from the top of the page; whatever of the text lies below it is not printed.
bool DescriptionWnd::Print_Action() {
    const std::unique_ptr<framework::Graphics> page = framework::OpenPrinterDialog();
    if (page == nullptr) {
        return false;
    }
    framework::StyledTextPrinter printer = DescribeFld2().styledTextPrinter(*page, kPrintWidth);
    printer.DrawBlock(0, 0, kPrintHeight);
    return false;
}
