#include "conversion/window/ControlWndLayout.h"

#include "framework/core/properties/LayoutLists.h"
#include "shell/Pictures.h"

#include <vector>

namespace conversion {
namespace {

using framework::ControlPlace;
using K = ControlKind;
using Backdrop = std::shared_ptr<framework::Picture> (*)();

constexpr framework::Color kNavy{0x00000080};
constexpr framework::Color kMidGrey{0x007F7F7F};

template <class Layout>
ControlLayout Made(ControlKind kind, const Layout& layout, Backdrop backdrop = nullptr) {
    return {layout.place.name, kind, backdrop, framework::LayoutList(layout)};
}

ControlLayout Frame(const ControlPlace& place) {
    return Made(K::Rectangle, framework::RectangleLayout{.place = place});
}

ControlLayout Field(const ControlPlace& place) {
    return Made(K::TextField, framework::TextFieldLayout{.place = place});
}

// A field's caption: bold, centred on the field's centre line, right below it.
ControlLayout Caption(const ControlPlace& place, std::string_view text) {
    return Made(K::Label, framework::LabelLayout{.place = place, .value = text, .bold = true});
}

ControlLayout Credit(const ControlPlace& place) {
    return Made(K::Label,
                framework::LabelLayout{
                    .place = place, .value = kCreditLine, .textColor = kNavy, .fontSize = 10.0f});
}

// Hidden until a percentile is pulled into range; the framework's own size and alignment.
ControlLayout BoundNote(const ControlPlace& place) {
    return Made(K::Label, framework::LabelLayout{.place = place,
                                                 .value = kBoundNote,
                                                 .multiline = true,
                                                 .textAlignment = framework::kAlignDefault,
                                                 .textColor = kMidGrey,
                                                 .visible = false,
                                                 .fontSize = 0.0f});
}

ControlLayout Button(const ControlPlace& place, std::string_view caption) {
    return Made(K::PushButton, framework::PushButtonLayout{.place = place, .caption = caption});
}

ControlLayout Picture(const ControlPlace& place, Backdrop backdrop) {
    return Made(K::Canvas, framework::CanvasLayout{.place = place}, backdrop);
}

// In creation order. Each field has its caption right below it on the same centre line; the
// standard scores stand in three columns (left 70, 226, 380) and the raw-score group sits in its
// frame above them. A place reads: name, left, top, width, height, TabIndex, TabStop, parent.
std::vector<ControlLayout> Controls() {
    constexpr std::string_view frame = "Rectangle1";
    return {
        Frame({"Rectangle1", 50, 85, 430, 75}),
        Field({"rawFld", 70, 105, 80, 22, 0, true, frame}),
        Field({"rawmeanFld", 226, 105, 80, 22, 1, true, frame}),
        Field({"rawsdFld", 380, 105, 80, 22, 2, true, frame}),
        Caption({"rawTxt", 70, 128, 80, 20, 3, false, frame}, "raw score"),
        Caption({"rawmeanTxt", 216, 128, 100, 20, 4, false, frame}, "raw score mean"),
        Caption({"rawsdTxt", 370, 128, 100, 20, 5, false, frame}, "raw score sd"),
        Button({"ClearBtn", 417, 390, 70, 30, 1}, "Clear"),
        Field({"zFld", 70, 197, 80, 22, 2, true}),
        Field({"tFld", 226, 197, 80, 22, 3, true}),
        Field({"wechslerFld", 380, 197, 80, 22, 4, true}),
        Field({"nceFld", 70, 259, 80, 22, 5, true}),
        Field({"greFld", 226, 259, 80, 22, 6, true}),
        Button({"CalculateBtn", 45, 390, 80, 30, 7}, "Calculate"),
        Picture({"Canvas1", 11, 3, 510, 36, 8}, &QVRtitle),
        Caption({"StaticText1", 70, 219, 80, 20, 9, true}, "z score"),
        Caption({"StaticText2", 226, 219, 80, 20, 10, true}, "T score"),
        Caption({"StaticText3", 380, 219, 80, 20, 11}, "Wechsler IQ"),
        Caption({"StaticText4", 70, 281, 80, 20, 12}, "NCE score"),
        Caption({"StaticText5", 226, 281, 80, 20, 13}, "CEEB score"),
        Field({"percentileFld", 226, 320, 80, 22, 14, true}),
        Caption({"percentileTxt", 226, 343, 80, 20, 15}, "Percentile"),
        Picture({"Canvas2", 250, 388, 32, 32, 16}, &Info32),
        Credit({"cTxt", 11, 35, 510, 20, 17}),
        Caption({"StaticText6", 380, 281, 80, 20, 18}, "AGCT score"),
        Field({"agctFld", 380, 259, 80, 22, 19, true}),
        BoundNote({"boundtext", 380, 320, 100, 28, 20, true}),
    };
}

} // namespace

const std::string& ControlWndWindowList() {
    static const std::string list = framework::LayoutList(framework::WindowLayout{
        .width = 535,
        .height = 445,
        .maximumWidth = 500,
        .maximumHeight = 500,
        .title = "Quorvane",
    });
    return list;
}

std::span<const ControlLayout> ControlWndControls() {
    static const std::vector<ControlLayout> controls = Controls();
    return controls;
}

} // namespace conversion
