// The window list's properties: one row per name, each storing its value in the window and
// bringing the widget in line; the names a toolkit window has no use for are only kept.

#include "framework/ui/Window.h"
#include "framework/ui/WindowWidget.h"

#include <array>

namespace framework {

std::span<const PropertyRow<Window>> Window::PropertyRows() {
    using V = const PropertyValue&;
    static const std::array<PropertyRow<Window>, 22> rows{{
        {"Width",
         [](Window& w, V v) {
             w.width_ = IntValue(v);
             w.ApplySizeLimits();
         }},
        {"Height",
         [](Window& w, V v) {
             w.height_ = IntValue(v);
             w.ApplySizeLimits();
         }},
        {"MinimumWidth",
         [](Window& w, V v) {
             w.minimumWidth_ = IntValue(v);
             w.ApplySizeLimits();
         }},
        {"MinimumHeight",
         [](Window& w, V v) {
             w.minimumHeight_ = IntValue(v);
             w.ApplySizeLimits();
         }},
        {"MaximumWidth",
         [](Window& w, V v) {
             w.maximumWidth_ = IntValue(v);
             w.ApplySizeLimits();
         }},
        {"MaximumHeight",
         [](Window& w, V v) {
             w.maximumHeight_ = IntValue(v);
             w.ApplySizeLimits();
         }},
        {"Type",
         [](Window& w, V v) {
             w.type_ = IntValue(v);
             w.ApplyWindowFlags();
             w.ApplySizeLimits();
         }},
        {"Title",
         [](Window& w, V v) {
             w.widget_->setWindowTitle(QString::fromStdString(ValueAs<std::string>(v)));
         }},
        {"HasCloseButton",
         [](Window& w, V v) {
             w.hasCloseButton_ = ValueAs<bool>(v);
             w.ApplyWindowFlags();
         }},
        {"HasMaximizeButton",
         [](Window& w, V v) {
             w.hasMaximizeButton_ = ValueAs<bool>(v);
             w.ApplyWindowFlags();
         }},
        {"HasMinimizeButton",
         [](Window& w, V v) {
             w.hasMinimizeButton_ = ValueAs<bool>(v);
             w.ApplyWindowFlags();
         }},
        {"HasFullScreenButton",
         [](Window& w, V v) {
             w.hasFullScreenButton_ = ValueAs<bool>(v);
             w.ApplyWindowFlags();
         }},
        {"Resizeable",
         [](Window& w, V v) {
             w.resizeable_ = ValueAs<bool>(v);
             w.ApplySizeLimits();
         }},
        {"Composite", nullptr},
        {"MacProcId", [](Window& w, V v) { w.macProcId_ = ValueAs<std::int64_t>(v); }},
        {"FullScreen", nullptr},
        {"DefaultLocation", nullptr},
        {"Visible", [](Window& w, V v) { w.SetVisible(ValueAs<bool>(v)); }},
        {"HasBackgroundColor",
         [](Window& w, V v) {
             w.hasBackgroundColor_ = ValueAs<bool>(v);
             w.ApplyBackground();
         }},
        {"BackgroundColor",
         [](Window& w, V v) {
             w.backgroundColor_ = ValueAs<Color>(v);
             w.ApplyBackground();
         }},
        {"MenuBarVisible", nullptr},
        {"LiveResize", nullptr},
    }};
    return rows;
}

void Window::SetProperty(std::string_view name, const PropertyValue& value) {
    if (!SetFromTable(PropertyRows(), *this, name, value)) {
        ThrowUnknownProperty("Window", name);
    }
}

} // namespace framework
