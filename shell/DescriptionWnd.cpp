#include "shell/DescriptionWnd.h"

#include "conversion/ControlWnd.h"
#include "framework/menus/MenuItem.h"
#include "framework/properties/PropertyList.h"
#include "framework/runtime/Exceptions.h"
#include "framework/ui/Delegates.h"
#include "framework/ui/Printing.h"
#include "framework/ui/TextArea.h"
#include "shell/AboutWnd.h"
#include "shell/Attribution.h"
#include "shell/DescriptionText.h"
#include "shell/MenuItems.h"

#include <cstdint>
#include <memory>
#include <string>

namespace {

using framework::Color;
using framework::FontUnit;

constexpr std::int64_t kNoControlArray = -2147483648LL;
constexpr Color kWhite{0x00FFFFFF};
constexpr Color kBlack{0x00000000};
// The printed column and the one block of it that is printed, in points: a page's top 7.5 inches.
constexpr double kPrintWidth = 540;
constexpr double kPrintHeight = 540;

std::string Text(std::string_view text) {
    return std::string(text);
}

const std::string& WindowList() {
    static const std::string list = framework::EncodePropertyList({
        {"Width", std::int64_t{535}},
        {"Height", std::int64_t{450}},
        {"MinimumWidth", std::int64_t{64}},
        {"MinimumHeight", std::int64_t{64}},
        {"MaximumWidth", std::int64_t{32000}},
        {"MaximumHeight", std::int64_t{32000}},
        {"Type", std::int64_t{0}},
        {"Title", Text("Description")},
        {"HasCloseButton", true},
        {"HasMaximizeButton", false},
        {"HasMinimizeButton", true},
        {"HasFullScreenButton", false},
        {"Resizeable", false},
        {"Composite", false},
        {"MacProcID", std::int64_t{0}},
        {"FullScreen", false},
        {"DefaultLocation", std::int64_t{0}},
        {"Visible", true},
        {"HasBackgroundColor", false},
        {"BackgroundColor", kWhite},
        {"MenuBarVisible", true},
        {"LiveResize", false},
    });
    return list;
}

// What sets the two text areas apart; every other entry of their lists is the same.
struct TextAreaLayout {
    std::string_view name;
    std::int64_t width, height;
    std::int64_t tabIndex;
    bool tabStop;
    std::string_view fontName;
    float fontSize;
    std::string_view value;
    bool readOnly;
};

std::string TextAreaList(const TextAreaLayout& layout) {
    return framework::EncodePropertyList({
        {"Name", Text(layout.name)},
        {"Index", kNoControlArray},
        {"Left", std::int64_t{-1}},
        {"Top", std::int64_t{-1}},
        {"Width", layout.width},
        {"Height", layout.height},
        {"LockLeft", true},
        {"LockTop", true},
        {"LockRight", true},
        {"LockBottom", true},
        {"TabIndex", layout.tabIndex},
        {"TabPanelIndex", std::int64_t{0}},
        {"TabStop", layout.tabStop},
        {"AllowAutoDeactivate", true},
        {"BackgroundColor", kWhite},
        {"HasBorder", true},
        {"Enabled", true},
        {"Format", Text("")},
        {"Tooltip", Text("")},
        {"HideSelection", true},
        {"LineHeight", 0.0},
        {"LineSpacing", 1.0},
        {"Multiline", true},
        {"HasHorizontalScrollbar", false},
        {"HasVerticalScrollbar", true},
        {"AllowStyledText", true},
        {"TextColor", kBlack},
        {"Transparent", true},
        {"AllowFocusRing", true},
        {"Visible", true},
        {"Bold", false},
        {"Italic", false},
        {"FontName", Text(layout.fontName)},
        {"FontSize", layout.fontSize},
        {"FontUnit", FontUnit{0}},
        {"Underline", false},
        {"Value", Text(layout.value)},
        {"AllowTabs", false},
        {"TextAlignment", std::int64_t{0}},
        {"AllowSpellChecking", false},
        {"MaximumCharactersAllowed", std::int64_t{0}},
        {"ValidationMask", Text("")},
        {"ReadOnly", layout.readOnly},
        {"DataSource", Text("")},
        {"DataField", Text("")},
        {"InitialParent", Text("")},
    });
}

// An empty area that lies wholly under the one the user sees.
const std::string& DescribeFldList() {
    static const std::string list =
        TextAreaList({"DescribeFld", 535, 400, 0, true, "System", 0.0f, "", true});
    return list;
}

const std::string& DescribeFld2List() {
    static const std::string list = TextAreaList(
        {"DescribeFld2", 537, 431, 1, false, "Courier", 12.0f, DescriptionText(), false});
    return list;
}

framework::TextArea& TextAreaNamed(const framework::Window& window, std::string_view name) {
    auto* area = framework::RuntimeCheckCast<framework::TextArea>(window.ControlByName(name));
    if (area == nullptr) {
        throw framework::NilObjectException("the description window has no text area " +
                                            Text(name));
    }
    return *area;
}

void Enable(const std::shared_ptr<framework::MenuItem>& item) {
    if (item == nullptr) {
        throw framework::NilObjectException("the menu bar lacks an item of the description window");
    }
    item->SetEnabled(true);
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
    return TextAreaNamed(*this, "DescribeFld");
}

framework::TextArea& DescriptionWnd::DescribeFld2() const {
    return TextAreaNamed(*this, "DescribeFld2");
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
    Enable(ControlMenuItem());
    Enable(AboutMenuItem());
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
