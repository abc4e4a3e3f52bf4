#include "conversion/window/ControlWnd.h"

#include "conversion/core/Module1.h"
#include "conversion/window/ControlWndLayout.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/ControlNamed.h"
#include "framework/ui/Delegates.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/Rectangle.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/TextField.h"
#include "shell/AboutWnd.h"
#include "shell/DescriptionWnd.h"
#include "shell/MenuItems.h"

#include <array>
#include <type_traits>

using conversion::ControlKind;
using conversion::ControlLayout;
using framework::ControlNamed;
using framework::RuntimeCreateDelegate;

namespace {

// Each control's handled events, bound right after its list is applied. The control is fetched
// by name as the class its handler needs, so a row that names a control of another class fails
// as a nil object instead of binding through a null pointer.
template <class Control, auto Bind, auto Method>
void BindEvent(class ControlWnd& window, std::string_view name) {
    (ControlNamed<Control>(window, name).*Bind)(RuntimeCreateDelegate(&window, Method));
}
template <auto Method>
constexpr auto BindKeyDown =
    &BindEvent<framework::TextField, &framework::TextField::BindKeyDown, Method>;
template <auto Method>
constexpr auto BindTextEdited =
    &BindEvent<framework::TextField, &framework::TextField::BindTextEdited, Method>;
template <auto Method>
constexpr auto BindTextChanged =
    &BindEvent<framework::TextField, &framework::TextField::BindTextChanged, Method>;
template <auto Method>
constexpr auto BindAction =
    &BindEvent<framework::PushButton, &framework::PushButton::BindAction, Method>;
template <auto Method>
constexpr auto BindMouseEnter =
    &BindEvent<framework::Canvas, &framework::Canvas::BindMouseEnter, Method>;
template <auto Method>
constexpr auto BindMouseDown =
    &BindEvent<framework::Canvas, &framework::Canvas::BindMouseDown, Method>;

struct EventBinding {
    std::string_view control;
    void (*bind)(class ControlWnd& window, std::string_view name);
};

const std::array<EventBinding, 28> kEventBindings{{
    {"rawFld", BindKeyDown<&ControlWnd::rawFld_KeyDown>},
    {"rawmeanFld", BindKeyDown<&ControlWnd::rawmeanFld_KeyDown>},
    {"rawsdFld", BindKeyDown<&ControlWnd::rawsdFld_KeyDown>},
    {"ClearBtn", BindAction<&ControlWnd::ClearBtn_Action>},
    {"zFld", BindKeyDown<&ControlWnd::zFld_KeyDown>},
    {"zFld", BindTextEdited<&ControlWnd::zFld_TextEdited>},
    {"zFld", BindTextChanged<&ControlWnd::standardFld_TextChanged>},
    {"tFld", BindKeyDown<&ControlWnd::tFld_KeyDown>},
    {"tFld", BindTextEdited<&ControlWnd::tFld_TextEdited>},
    {"tFld", BindTextChanged<&ControlWnd::standardFld_TextChanged>},
    {"wechslerFld", BindKeyDown<&ControlWnd::wechslerFld_KeyDown>},
    {"wechslerFld", BindTextEdited<&ControlWnd::wechslerFld_TextEdited>},
    {"wechslerFld", BindTextChanged<&ControlWnd::standardFld_TextChanged>},
    {"nceFld", BindKeyDown<&ControlWnd::nceFld_KeyDown>},
    {"nceFld", BindTextEdited<&ControlWnd::nceFld_TextEdited>},
    {"nceFld", BindTextChanged<&ControlWnd::standardFld_TextChanged>},
    {"greFld", BindKeyDown<&ControlWnd::greFld_KeyDown>},
    {"greFld", BindTextEdited<&ControlWnd::greFld_TextEdited>},
    {"greFld", BindTextChanged<&ControlWnd::standardFld_TextChanged>},
    {"CalculateBtn", BindAction<&ControlWnd::CalculateBtn_Action>},
    {"Canvas1", BindMouseEnter<&ControlWnd::Canvas1_MouseEnter>},
    {"percentileFld", BindKeyDown<&ControlWnd::percentileFld_KeyDown>},
    {"percentileFld", BindTextEdited<&ControlWnd::percentileFld_TextEdited>},
    {"percentileFld", BindTextChanged<&ControlWnd::standardFld_TextChanged>},
    {"Canvas2", BindMouseDown<&ControlWnd::Canvas2_MouseDown>},
    {"agctFld", BindKeyDown<&ControlWnd::agctFld_KeyDown>},
    {"agctFld", BindTextEdited<&ControlWnd::agctFld_TextEdited>},
    {"agctFld", BindTextChanged<&ControlWnd::standardFld_TextChanged>},
}};

template <class T> void CreateControl(class ControlWnd& window, const ControlLayout& layout) {
    const std::string name(layout.name);
    window.AddControl(name, window.New<T>());
    T* control = &ControlNamed<T>(window, name);
    if constexpr (std::is_same_v<T, framework::Canvas>) {
        control->SetBackdrop(layout.backdrop());
        control = &ControlNamed<T>(window, name);
    }
    framework::SetProperties(*control, layout.list);
    for (const EventBinding& binding : kEventBindings) {
        if (binding.control == name) {
            binding.bind(window, name);
        }
    }
}

void CreateControl(class ControlWnd& window, const ControlLayout& layout) {
    switch (layout.kind) {
    case ControlKind::Rectangle:
        return CreateControl<framework::Rectangle>(window, layout);
    case ControlKind::TextField:
        return CreateControl<framework::TextField>(window, layout);
    case ControlKind::Label:
        return CreateControl<framework::Label>(window, layout);
    case ControlKind::PushButton:
        return CreateControl<framework::PushButton>(window, layout);
    case ControlKind::Canvas:
        return CreateControl<framework::Canvas>(window, layout);
    }
}

} // namespace

class ControlWnd& ControlWnd() {
    return framework::ImplicitInstance<class ControlWnd>();
}

ControlWnd::ControlWnd() : Window(std::string(kClassName), Events()) {}

const framework::WindowEventTable& ControlWnd::Events() {
    using framework::WindowEvent;
    static const auto table =
        framework::WindowEventTable()
            .On(WindowEvent::Activate, &ControlWnd::Event_Activate)
            .OnAddMenuHandlers(&ControlWnd::AddMenuHandlers)
            .On(WindowEvent::Close, &ControlWnd::Event_Close)
            .On(WindowEvent::CreateControls, &ControlWnd::CreateControls)
            .On(WindowEvent::EnableMenuItems, &ControlWnd::Event_EnableMenuItems)
            .On(WindowEvent::Layout, &ControlWnd::Layout);
    return table;
}

void ControlWnd::Layout() {
    framework::SetProperties(*this, conversion::ControlWndWindowList());
}

void ControlWnd::CreateControls() {
    CreateControls0();
}

void ControlWnd::CreateControls0() {
    for (const ControlLayout& layout : conversion::ControlWndControls()) {
        CreateControl(*this, layout);
    }
}

void ControlWnd::Canvas1_MouseEnter(framework::Canvas&) {}

bool ControlWnd::Canvas2_MouseDown(framework::Canvas&, int, int) {
    ::DescriptionWnd().Show();
    return false;
}

void ControlWnd::AddMenuHandlers(framework::Window& window) {
    auto& self = static_cast<class ControlWnd&>(window);
    self.AddMenuHandler("DescriptionMenuItem",
                        RuntimeCreateDelegate(&self, &ControlWnd::DescriptionMenuItem_Action));
    self.AddMenuHandler("AboutWYB", RuntimeCreateDelegate(&self, &ControlWnd::AboutWYB_Action));
}

// Closing the converter window ends the program, whatever other windows are open.
void ControlWnd::Event_Close() {
    framework::Quit(0);
}

void ControlWnd::Event_Activate() {
    ::AboutWnd().Hide();
    Module1::dirty = "no";
}

void ControlWnd::Event_EnableMenuItems() {
    SetItemEnabled(ControlMenuItem(), false);
    SetItemEnabled(DescriptionMenuItem(), true);
    SetItemEnabled(AboutMenuItem(), true);
}

bool ControlWnd::DescriptionMenuItem_Action() {
    ::DescriptionWnd().Show();
    return false;
}

bool ControlWnd::AboutWYB_Action() {
    ::AboutWnd().Show();
    return false;
}

framework::Rectangle& ControlWnd::Rectangle1() const {
    return ControlNamed<framework::Rectangle>(*this, "Rectangle1");
}
framework::TextField& ControlWnd::rawFld() const {
    return ControlNamed<framework::TextField>(*this, "rawFld");
}
framework::TextField& ControlWnd::rawmeanFld() const {
    return ControlNamed<framework::TextField>(*this, "rawmeanFld");
}
framework::TextField& ControlWnd::rawsdFld() const {
    return ControlNamed<framework::TextField>(*this, "rawsdFld");
}
framework::Label& ControlWnd::rawTxt() const {
    return ControlNamed<framework::Label>(*this, "rawTxt");
}
framework::Label& ControlWnd::rawmeanTxt() const {
    return ControlNamed<framework::Label>(*this, "rawmeanTxt");
}
framework::Label& ControlWnd::rawsdTxt() const {
    return ControlNamed<framework::Label>(*this, "rawsdTxt");
}
framework::PushButton& ControlWnd::ClearBtn() const {
    return ControlNamed<framework::PushButton>(*this, "ClearBtn");
}
framework::TextField& ControlWnd::zFld() const {
    return ControlNamed<framework::TextField>(*this, "zFld");
}
framework::TextField& ControlWnd::tFld() const {
    return ControlNamed<framework::TextField>(*this, "tFld");
}
framework::TextField& ControlWnd::wechslerFld() const {
    return ControlNamed<framework::TextField>(*this, "wechslerFld");
}
framework::TextField& ControlWnd::nceFld() const {
    return ControlNamed<framework::TextField>(*this, "nceFld");
}
framework::TextField& ControlWnd::greFld() const {
    return ControlNamed<framework::TextField>(*this, "greFld");
}
framework::PushButton& ControlWnd::CalculateBtn() const {
    return ControlNamed<framework::PushButton>(*this, "CalculateBtn");
}
framework::Canvas& ControlWnd::Canvas1() const {
    return ControlNamed<framework::Canvas>(*this, "Canvas1");
}
framework::Label& ControlWnd::StaticText1() const {
    return ControlNamed<framework::Label>(*this, "StaticText1");
}
framework::Label& ControlWnd::StaticText2() const {
    return ControlNamed<framework::Label>(*this, "StaticText2");
}
framework::Label& ControlWnd::StaticText3() const {
    return ControlNamed<framework::Label>(*this, "StaticText3");
}
framework::Label& ControlWnd::StaticText4() const {
    return ControlNamed<framework::Label>(*this, "StaticText4");
}
framework::Label& ControlWnd::StaticText5() const {
    return ControlNamed<framework::Label>(*this, "StaticText5");
}
framework::TextField& ControlWnd::percentileFld() const {
    return ControlNamed<framework::TextField>(*this, "percentileFld");
}
framework::Label& ControlWnd::percentileTxt() const {
    return ControlNamed<framework::Label>(*this, "percentileTxt");
}
framework::Canvas& ControlWnd::Canvas2() const {
    return ControlNamed<framework::Canvas>(*this, "Canvas2");
}
framework::Label& ControlWnd::cTxt() const {
    return ControlNamed<framework::Label>(*this, "cTxt");
}
framework::Label& ControlWnd::StaticText6() const {
    return ControlNamed<framework::Label>(*this, "StaticText6");
}
framework::TextField& ControlWnd::agctFld() const {
    return ControlNamed<framework::TextField>(*this, "agctFld");
}
framework::Label& ControlWnd::boundtext() const {
    return ControlNamed<framework::Label>(*this, "boundtext");
}
