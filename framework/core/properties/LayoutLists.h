#pragma once

// The writers of the layout lists. A window list and each control class's list hold their
// entries in one fixed order, so a window states only its values and the writer supplies the
// order. A layout struct holds the entries in which some window of the program differs from
// another, with the value most windows share as its default; the entries that are the same in
// every list of a kind are the writer's.

#include "framework/core/properties/PropertyList.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace framework {

inline constexpr Color kWhite{0x00FFFFFF};
inline constexpr Color kBlack{0x00000000};

// The Type and TextAlignment codes that the lists use.
inline constexpr std::int64_t kDocumentWindow = 0;
// No title bar and no buttons, and exactly the size its list gives.
inline constexpr std::int64_t kTitlelessWindow = 2;
inline constexpr std::int64_t kAlignDefault = 0;
inline constexpr std::int64_t kAlignCentre = 2;

struct WindowLayout {
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::int64_t minimumWidth = 64;
    std::int64_t minimumHeight = 64;
    std::int64_t maximumWidth = 32000;
    std::int64_t maximumHeight = 32000;
    std::int64_t type = kDocumentWindow;
    std::string_view title = {};
    bool hasCloseButton = true;
    bool hasMaximizeButton = false;
    bool hasMinimizeButton = true;
    bool hasFullScreenButton = false;
    bool resizeable = false;
    bool composite = false;
    std::int64_t macProcId = 0;
    bool fullScreen = false;
    std::int64_t defaultLocation = 0;
    bool visible = true;
    bool hasBackgroundColor = true;
    Color backgroundColor = kWhite;
    bool menuBarVisible = true;
    bool liveResize = false;
};

// Where a control stands and how the keyboard reaches it: the common head of every control list
// and its closing InitialParent. A rectangle's list has no TabStop; its writer leaves it out.
// The locks come last, so a table of controls that never lock can list places in one line each.
struct ControlPlace {
    std::string_view name = {};
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::int64_t tabIndex = 0;
    bool tabStop = false;
    // The containing control's name; empty for the window itself.
    std::string_view parent = {};
    bool lockLeft = false;
    bool lockTop = false;
    bool lockRight = false;
    bool lockBottom = false;
};

struct RectangleLayout {
    ControlPlace place;
};

struct TextFieldLayout {
    ControlPlace place;
    std::string_view value = {};
};

struct LabelLayout {
    ControlPlace place;
    std::string_view value = {};
    bool multiline = false;
    std::int64_t textAlignment = kAlignCentre;
    Color textColor = kBlack;
    bool visible = true;
    bool bold = false;
    float fontSize = 12.0f;
};

struct PushButtonLayout {
    ControlPlace place;
    std::string_view caption = {};
};

struct CanvasLayout {
    ControlPlace place;
    // nullopt leaves the entry out, so the list's two Transparent entries meet.
    std::optional<bool> doubleBuffer = false;
};

struct TextAreaLayout {
    ControlPlace place;
    std::string_view value = {};
    std::string_view fontName = "System";
    float fontSize = 12.0f;
    bool readOnly = false;
};

// Each writes its kind's entries in the fixed order, as the byte string SetProperties applies.
std::string LayoutList(const WindowLayout& window);
std::string LayoutList(const RectangleLayout& rectangle);
std::string LayoutList(const TextFieldLayout& field);
std::string LayoutList(const LabelLayout& label);
std::string LayoutList(const PushButtonLayout& button);
std::string LayoutList(const CanvasLayout& canvas);
std::string LayoutList(const TextAreaLayout& area);

} // namespace framework
