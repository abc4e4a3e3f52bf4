#include "framework/core/properties/LayoutLists.h"

#include <vector>

namespace framework {
namespace {

using Entries = std::vector<PropertyEntry>;

// Marks a control that belongs to no control array, so it is found by its name alone.
constexpr std::int64_t kNoControlArray = -2147483648LL;
constexpr Color kLightGrey{0x00CCCCCC};
constexpr Color kDarkGrey{0x00666666};

std::string Text(std::string_view text) {
    return std::string(text);
}

Entries operator+(Entries front, const Entries& back) {
    front.insert(front.end(), back.begin(), back.end());
    return front;
}

std::string ControlList(const ControlPlace& place, const Entries& body) {
    Entries entries{
        {"Name", Text(place.name)},     {"Index", kNoControlArray},
        {"Left", place.left},           {"Top", place.top},
        {"Width", place.width},         {"Height", place.height},
        {"LockLeft", place.lockLeft},   {"LockTop", place.lockTop},
        {"LockRight", place.lockRight}, {"LockBottom", place.lockBottom},
        {"TabIndex", place.tabIndex},   {"TabPanelIndex", std::int64_t{0}},
    };
    entries.insert(entries.end(), body.begin(), body.end());
    entries.push_back({"InitialParent", Text(place.parent)});
    return EncodePropertyList(entries);
}

// The font of fields and buttons, in the order both lists hold it.
const Entries& SystemFont() {
    static const Entries font{
        {"FontName", Text("System")},
        {"FontSize", 12.0f},
        {"FontUnit", FontUnit{0}},
        {"Bold", false},
        {"Italic", false},
        {"Underline", false},
    };
    return font;
}

// Text fields and text areas open and close their bodies alike.
Entries EditableTextHead(bool tabStop) {
    return {
        {"TabStop", tabStop},        {"AllowAutoDeactivate", true},
        {"BackgroundColor", kWhite}, {"HasBorder", true},
        {"Enabled", true},           {"Format", Text("")},
        {"Tooltip", Text("")},
    };
}

Entries EditableTextTail(std::int64_t textAlignment, bool readOnly) {
    return {
        {"AllowTabs", false},          {"TextAlignment", textAlignment},
        {"AllowSpellChecking", false}, {"MaximumCharactersAllowed", std::int64_t{0}},
        {"ValidationMask", Text("")},  {"ReadOnly", readOnly},
        {"DataSource", Text("")},      {"DataField", Text("")},
    };
}

} // namespace

std::string LayoutList(const WindowLayout& window) {
    return EncodePropertyList({
        {"Width", window.width},
        {"Height", window.height},
        {"MinimumWidth", window.minimumWidth},
        {"MinimumHeight", window.minimumHeight},
        {"MaximumWidth", window.maximumWidth},
        {"MaximumHeight", window.maximumHeight},
        {"Type", window.type},
        {"Title", Text(window.title)},
        {"HasCloseButton", window.hasCloseButton},
        {"HasMaximizeButton", window.hasMaximizeButton},
        {"HasMinimizeButton", window.hasMinimizeButton},
        {"HasFullScreenButton", window.hasFullScreenButton},
        {"Resizeable", window.resizeable},
        {"Composite", window.composite},
        {"MacProcID", window.macProcId},
        {"FullScreen", window.fullScreen},
        {"DefaultLocation", window.defaultLocation},
        {"Visible", window.visible},
        {"HasBackgroundColor", window.hasBackgroundColor},
        {"BackgroundColor", window.backgroundColor},
        {"MenuBarVisible", window.menuBarVisible},
        {"LiveResize", window.liveResize},
    });
}

std::string LayoutList(const RectangleLayout& rectangle) {
    return ControlList(rectangle.place, {
                                            {"AllowAutoDeactivate", true},
                                            {"BorderThickness", 2.0},
                                            {"BottomRightColor", kDarkGrey},
                                            {"Enabled", true},
                                            {"FillColor", kWhite},
                                            {"Tooltip", Text("")},
                                            {"TopLeftColor", kLightGrey},
                                            {"Transparent", true},
                                            {"Visible", true},
                                        });
}

std::string LayoutList(const TextFieldLayout& field) {
    return ControlList(field.place, EditableTextHead(field.place.tabStop) +
                                        Entries{
                                            {"Password", false},
                                            {"TextColor", kBlack},
                                            {"Transparent", true},
                                            {"AllowFocusRing", true},
                                            {"Visible", true},
                                        } +
                                        SystemFont() +
                                        Entries{
                                            {"Hint", Text("")},
                                            {"Value", Text(field.value)},
                                        } +
                                        EditableTextTail(kAlignCentre, false));
}

std::string LayoutList(const LabelLayout& label) {
    return ControlList(label.place, {
                                        {"TabStop", label.place.tabStop},
                                        {"AllowAutoDeactivate", true},
                                        {"Enabled", true},
                                        {"Tooltip", Text("")},
                                        {"Multiline", label.multiline},
                                        {"Selectable", false},
                                        {"TextAlignment", label.textAlignment},
                                        {"TextColor", label.textColor},
                                        {"Transparent", true},
                                        {"Value", Text(label.value)},
                                        {"Visible", label.visible},
                                        {"Bold", label.bold},
                                        {"Italic", false},
                                        {"FontName", Text("System")},
                                        {"Underline", false},
                                        {"FontSize", label.fontSize},
                                        {"FontUnit", FontUnit{0}},
                                        {"DataSource", Text("")},
                                        {"DataField", Text("")},
                                    });
}

std::string LayoutList(const PushButtonLayout& button) {
    return ControlList(button.place, Entries{
                                         {"TabStop", button.place.tabStop},
                                         {"AllowAutoDeactivate", true},
                                         {"MacButtonStyle", std::int64_t{0}},
                                         {"Cancel", false},
                                         {"Caption", Text(button.caption)},
                                         {"Default", true},
                                         {"Enabled", true},
                                         {"Tooltip", Text("")},
                                         {"Transparent", true},
                                         {"Visible", true},
                                     } + SystemFont());
}

std::string LayoutList(const CanvasLayout& canvas) {
    Entries body{
        {"TabStop", canvas.place.tabStop},
        {"AllowAutoDeactivate", true},
        {"Enabled", true},
        {"Tooltip", Text("")},
        {"AllowFocusRing", true},
        {"Visible", true},
        {"AllowFocus", false},
        {"AllowTabs", false},
        {"Transparent", true},
    };
    if (canvas.doubleBuffer) {
        body.push_back({"DoubleBuffer", *canvas.doubleBuffer});
    }
    body.push_back({"Transparent", true});
    return ControlList(canvas.place, body);
}

std::string LayoutList(const TextAreaLayout& area) {
    return ControlList(area.place, EditableTextHead(area.place.tabStop) +
                                       Entries{
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
                                           {"FontName", Text(area.fontName)},
                                           {"FontSize", area.fontSize},
                                           {"FontUnit", FontUnit{0}},
                                           {"Underline", false},
                                           {"Value", Text(area.value)},
                                       } +
                                       EditableTextTail(kAlignDefault, area.readOnly));
}

} // namespace framework
