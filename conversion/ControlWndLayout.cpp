#include "conversion/ControlWndLayout.h"

#include "framework/properties/PropertyList.h"
#include "shell/Pictures.h"

#include <array>
#include <cstdint>
#include <vector>

namespace conversion {
namespace {

using framework::Color;
using framework::FontUnit;
using framework::PropertyEntry;

// How a label looks: the captions under the fields, the credit line, the range note.
enum class LabelLook { None, Caption, Credit, Note };

struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::int64_t left, top, width, height;
    std::int64_t tabIndex;
    bool tabStop;
    std::string_view parent;
    std::string_view text;
    LabelLook look = LabelLook::None;
    std::shared_ptr<framework::Picture> (*backdrop)() = nullptr;
};

using K = ControlKind;
using L = LabelLook;

// Each field has its caption right below it on the same centre line; the standard scores stand
// in three columns (left 70, 226, 380) and the raw-score group sits in its frame above them.
const std::array<ControlRow, 27> kControls{{
    {"Rectangle1", K::Rectangle, 50, 85, 430, 75, 0, false, "", ""},
    {"rawFld", K::TextField, 70, 105, 80, 22, 0, true, "Rectangle1", ""},
    {"rawmeanFld", K::TextField, 226, 105, 80, 22, 1, true, "Rectangle1", ""},
    {"rawsdFld", K::TextField, 380, 105, 80, 22, 2, true, "Rectangle1", ""},
    {"rawTxt", K::Label, 70, 128, 80, 20, 3, false, "Rectangle1", "raw score", L::Caption},
    {"rawmeanTxt", K::Label, 216, 128, 100, 20, 4, false, "Rectangle1", "raw score mean",
     L::Caption},
    {"rawsdTxt", K::Label, 370, 128, 100, 20, 5, false, "Rectangle1", "raw score sd", L::Caption},
    {"ClearBtn", K::PushButton, 417, 390, 70, 30, 1, false, "", "Clear"},
    {"zFld", K::TextField, 70, 197, 80, 22, 2, true, "", ""},
    {"tFld", K::TextField, 226, 197, 80, 22, 3, true, "", ""},
    {"wechslerFld", K::TextField, 380, 197, 80, 22, 4, true, "", ""},
    {"nceFld", K::TextField, 70, 259, 80, 22, 5, true, "", ""},
    {"greFld", K::TextField, 226, 259, 80, 22, 6, true, "", ""},
    {"CalculateBtn", K::PushButton, 45, 390, 80, 30, 7, false, "", "Calculate"},
    {"Canvas1", K::Canvas, 11, 3, 510, 36, 8, false, "", "", L::None, &QVRtitle},
    {"StaticText1", K::Label, 70, 219, 80, 20, 9, true, "", "z score", L::Caption},
    {"StaticText2", K::Label, 226, 219, 80, 20, 10, true, "", "T score", L::Caption},
    {"StaticText3", K::Label, 380, 219, 80, 20, 11, false, "", "Wechsler IQ", L::Caption},
    {"StaticText4", K::Label, 70, 281, 80, 20, 12, false, "", "NCE score", L::Caption},
    {"StaticText5", K::Label, 226, 281, 80, 20, 13, false, "", "CEEB score", L::Caption},
    {"percentileFld", K::TextField, 226, 320, 80, 22, 14, true, "", ""},
    {"percentileTxt", K::Label, 226, 343, 80, 20, 15, false, "", "Percentile", L::Caption},
    {"Canvas2", K::Canvas, 250, 388, 32, 32, 16, false, "", "", L::None, &Info32},
    {"cTxt", K::Label, 11, 35, 510, 20, 17, false, "", kCreditLine, L::Credit},
    {"StaticText6", K::Label, 380, 281, 80, 20, 18, false, "", "AGCT score", L::Caption},
    {"agctFld", K::TextField, 380, 259, 80, 22, 19, true, "", ""},
    {"boundtext", K::Label, 380, 320, 100, 28, 20, true, "", kBoundNote, L::Note},
}};

constexpr std::int64_t kNoControlArray = -2147483648LL;
constexpr Color kWhite{0x00FFFFFF};
constexpr Color kBlack{0x00000000};
constexpr Color kNavy{0x00000080};
constexpr Color kMidGrey{0x007F7F7F};
constexpr std::int64_t kCentred = 2;
constexpr std::int64_t kDefaultAlignment = 0;

std::string Text(std::string_view text) {
    return std::string(text);
}

using Entries = std::vector<PropertyEntry>;

// Name, Index, place, the four locks, TabIndex and TabPanelIndex: the head of every list.
Entries Head(const ControlRow& row) {
    return {
        {"Name", Text(row.name)}, {"Index", kNoControlArray}, {"Left", row.left},
        {"Top", row.top},         {"Width", row.width},       {"Height", row.height},
        {"LockLeft", false},      {"LockTop", false},         {"LockRight", false},
        {"LockBottom", false},    {"TabIndex", row.tabIndex}, {"TabPanelIndex", std::int64_t{0}},
    };
}

Entries operator+(Entries front, const Entries& back) {
    front.insert(front.end(), back.begin(), back.end());
    return front;
}

std::string Encode(const ControlRow& row, const Entries& tail) {
    return framework::EncodePropertyList(Head(row) + tail);
}

// The fields' and buttons' font, in the order both lists hold it.
const Entries& PlainSystemFont() {
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

std::string RectangleList(const ControlRow& row) {
    return Encode(row, Entries{
                           {"AllowAutoDeactivate", true},
                           {"BorderThickness", 2.0},
                           {"BottomRightColor", Color{0x00666666}},
                           {"Enabled", true},
                           {"FillColor", kWhite},
                           {"Tooltip", Text("")},
                           {"TopLeftColor", Color{0x00CCCCCC}},
                           {"Transparent", true},
                           {"Visible", true},
                           {"InitialParent", Text(row.parent)},
                       });
}

std::string TextFieldList(const ControlRow& row) {
    return Encode(row,
                  Entries{
                      {"TabStop", row.tabStop},
                      {"AllowAutoDeactivate", true},
                      {"BackgroundColor", kWhite},
                      {"HasBorder", true},
                      {"Enabled", true},
                      {"Format", Text("")},
                      {"Tooltip", Text("")},
                      {"Password", false},
                      {"TextColor", kBlack},
                      {"Transparent", true},
                      {"AllowFocusRing", true},
                      {"Visible", true},
                  } + PlainSystemFont() +
                      Entries{
                          {"Hint", Text("")},
                          {"Value", Text(row.text)},
                          {"AllowTabs", false},
                          {"TextAlignment", kCentred},
                          {"AllowSpellChecking", false},
                          {"MaximumCharactersAllowed", std::int64_t{0}},
                          {"ValidationMask", Text("")},
                          {"ReadOnly", false},
                          {"DataSource", Text("")},
                          {"DataField", Text("")},
                          {"InitialParent", Text(row.parent)},
                      });
}

std::string LabelList(const ControlRow& row) {
    const bool note = row.look == L::Note;
    const bool credit = row.look == L::Credit;
    const float fontSize = note ? 0.0f : credit ? 10.0f : 12.0f;
    const Color colour = note ? kMidGrey : credit ? kNavy : kBlack;
    return Encode(row, Entries{
                           {"TabStop", row.tabStop},
                           {"AllowAutoDeactivate", true},
                           {"Enabled", true},
                           {"Tooltip", Text("")},
                           {"Multiline", note},
                           {"Selectable", false},
                           {"TextAlignment", note ? kDefaultAlignment : kCentred},
                           {"TextColor", colour},
                           {"Transparent", true},
                           {"Value", Text(row.text)},
                           {"Visible", !note},
                           {"Bold", row.look == L::Caption},
                           {"Italic", false},
                           {"FontName", Text("System")},
                           {"Underline", false},
                           {"FontSize", fontSize},
                           {"FontUnit", FontUnit{0}},
                           {"DataSource", Text("")},
                           {"DataField", Text("")},
                           {"InitialParent", Text(row.parent)},
                       });
}

std::string PushButtonList(const ControlRow& row) {
    return Encode(row,
                  Entries{
                      {"TabStop", row.tabStop},
                      {"AllowAutoDeactivate", true},
                      {"MacButtonStyle", std::int64_t{0}},
                      {"Cancel", false},
                      {"Caption", Text(row.text)},
                      {"Default", true},
                      {"Enabled", true},
                      {"Tooltip", Text("")},
                      {"Transparent", true},
                      {"Visible", true},
                  } + PlainSystemFont() +
                      Entries{
                          {"InitialParent", Text(row.parent)},
                      });
}

std::string CanvasList(const ControlRow& row) {
    return Encode(row, Entries{
                           {"TabStop", row.tabStop},
                           {"AllowAutoDeactivate", true},
                           {"Enabled", true},
                           {"Tooltip", Text("")},
                           {"AllowFocusRing", true},
                           {"Visible", true},
                           {"AllowFocus", false},
                           {"AllowTabs", false},
                           {"Transparent", true},
                           {"DoubleBuffer", false},
                           {"Transparent", true},
                           {"InitialParent", Text(row.parent)},
                       });
}

std::string ListOf(const ControlRow& row) {
    switch (row.kind) {
    case K::Rectangle:
        return RectangleList(row);
    case K::TextField:
        return TextFieldList(row);
    case K::Label:
        return LabelList(row);
    case K::PushButton:
        return PushButtonList(row);
    case K::Canvas:
        return CanvasList(row);
    }
    return {};
}

} // namespace

const std::string& ControlWndWindowList() {
    static const std::string list = framework::EncodePropertyList({
        {"Width", std::int64_t{535}},
        {"Height", std::int64_t{445}},
        {"MinimumWidth", std::int64_t{64}},
        {"MinimumHeight", std::int64_t{64}},
        {"MaximumWidth", std::int64_t{500}},
        {"MaximumHeight", std::int64_t{500}},
        {"Type", std::int64_t{0}},
        {"Title", Text("Quorvane")},
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
        {"HasBackgroundColor", true},
        {"BackgroundColor", kWhite},
        {"MenuBarVisible", true},
        {"LiveResize", false},
    });
    return list;
}

std::span<const ControlLayout> ControlWndControls() {
    static const std::vector<ControlLayout> controls = [] {
        std::vector<ControlLayout> built;
        for (const ControlRow& row : kControls) {
            built.push_back({row.name, row.kind, row.backdrop, ListOf(row)});
        }
        return built;
    }();
    return controls;
}

} // namespace conversion
