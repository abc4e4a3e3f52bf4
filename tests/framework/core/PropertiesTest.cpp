#include "framework/core/properties/LayoutLists.h"
#include "framework/core/properties/NameMatching.h"
#include "framework/core/properties/PropertyList.h"
#include "framework/core/runtime/Exceptions.h"

#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace framework {
namespace {

using namespace std::string_literals;

class RecordingTarget : public PropertyTarget {
public:
    void SetProperty(std::string_view name, const PropertyValue& value) override {
        set.push_back({std::string(name), value});
    }
    std::vector<PropertyEntry> set;
};

std::string Bytes(std::initializer_list<unsigned char> bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// Each type's value bytes, little-endian, and the value read back from them.
TEST(PropertyList, EveryTypeEncodesItsValueAndReadsItBack) {
    const std::pair<PropertyEntry, std::string> cases[] = {
        {{"RunMode", std::int64_t{1}}, Bytes({1, 0, 0, 0, 0, 0, 0, 0})},
        {{"Period", std::int64_t{4000}}, Bytes({0xa0, 0x0f, 0, 0, 0, 0, 0, 0})},
        {{"Index", std::int64_t{-2147483648}}, Bytes({0, 0, 0, 0x80, 0xff, 0xff, 0xff, 0xff})},
        {{"Left", std::numeric_limits<std::int64_t>::min()}, Bytes({0, 0, 0, 0, 0, 0, 0, 0x80})},
        {{"Visible", true}, Bytes({1})},
        {{"Title", "Z\xC3\xBCrich"s}, Bytes({7, 0, 0, 0}) + "Z\xC3\xBCrich"},
        {{"BackgroundColor", Color{0x00FFFFFF}}, Bytes({0xff, 0xff, 0xff, 0})},
        {{"TextColor", Color{0x00000080}}, Bytes({0x80, 0, 0, 0})},
        {{"BorderThickness", 1.25}, Bytes({0, 0, 0, 0, 0, 0, 0xf4, 0x3f})},
        {{"LineSpacing", -2.0}, Bytes({0, 0, 0, 0, 0, 0, 0, 0xc0})},
        {{"FontSize", 10.0f}, Bytes({0, 0, 0x20, 0x41})},
        {{"FontUnit", FontUnit{3}}, Bytes({3})},
    };
    for (const auto& [entry, valueBytes] : cases) {
        const std::string bytes = EncodePropertyList({entry});
        EXPECT_EQ(bytes, entry.name + " " + valueBytes) << entry.name;
        const std::vector<PropertyEntry> read = DecodePropertyList(bytes + bytes);
        ASSERT_EQ(read.size(), 2u) << entry.name;
        EXPECT_EQ(read[1].name, entry.name);
        EXPECT_EQ(read[1].value, entry.value) << entry.name;
    }
}

// Names match with ASCII letters folded, nothing else: "@" is not "`", nor "ä" "Ä".
TEST(PropertyList, NamesIgnoreCaseAndRepeatsApplyInStoredOrder) {
    EXPECT_EQ(DeclaredType("MultiLine"), PropertyType::Boolean);
    EXPECT_EQ(DeclaredType("macprocid"), PropertyType::Integer);
    EXPECT_EQ(DeclaredType("Visibl"), std::nullopt);
    EXPECT_FALSE(EqualsIgnoringCase("Tab@", "Tab`"));
    EXPECT_FALSE(EqualsIgnoringCase("\xC3\xA4", "\xC3\x84"));
    const std::string list = EncodePropertyList({{"Multiline", false},
                                                 {"Transparent", false},
                                                 {"MacProcID", std::int64_t{0}},
                                                 {"TRANSPARENT", true}});
    RecordingTarget target;
    SetProperties(target, list);
    EXPECT_EQ(EncodePropertyList(target.set), list);
}

TEST(PropertyList, MalformedListsThrowNamingTheProblemAndSetNothing) {
    const std::string timer = EncodePropertyList({{"RunMode", std::int64_t{1}}});
    const std::pair<std::string, std::string> cases[] = {
        {timer.substr(0, timer.size() - 1), "truncated value"},
        {"RunMode", "missing blank"},
        {"Colour " + Bytes({0, 0, 0, 0}), "unknown property name 'Colour'"},
        {" " + Bytes({0}), "unknown property name ''"},
        {"Title " + Bytes({5, 0, 0, 0}) + "abc", "string length past the end"},
        {"Title " + Bytes({0xff, 0xff, 0xff, 0xff}), "string length past the end"},
        {"Title " + Bytes({1, 0}), "truncated value"},
        {"Visible " + Bytes({2}), "is 2, not 0 or 1"},
    };
    for (const auto& [list, problem] : cases) {
        RecordingTarget target;
        try {
            SetProperties(target, timer + list);
            ADD_FAILURE() << "no exception for " << problem;
        } catch (const PropertyListException& e) {
            EXPECT_NE(std::string(e.what()).find(problem), std::string::npos) << e.what();
            EXPECT_EQ(std::string(e.what()).find("property list: "), 0u) << e.what();
        }
        EXPECT_TRUE(target.set.empty()) << problem;
    }
    for (const PropertyEntry& wrong : std::initializer_list<PropertyEntry>{
             {"Colour", Color{0}}, {"BorderThickness", 1}, {"FontSize", 10.0}, {"Visible", 1}}) {
        EXPECT_THROW(EncodePropertyList({wrong}), PropertyListException) << wrong.name;
    }
}

// Named "box" at 5, 6, 70 by 8, tab index 3, tab stop, inside "frame", locked to the right.
const ControlPlace kPlace{"box", 5, 6, 70, 8, 3, true, "frame", false, false, true};

// Every list holds its kind's entries in order; a control list opens with the place and
// closes with the parent. A canvas's DoubleBuffer stands between its two Transparent entries.
TEST(LayoutLists, EachKindHoldsItsEntriesInItsFixedOrder) {
    // The list, its size, its first Transparent entry and the entry after the common head.
    const std::tuple<std::string, std::size_t, std::size_t, const char*> cases[] = {
        {LayoutList(RectangleLayout{kPlace}), 22, 19, "AllowAutoDeactivate"},
        {LayoutList(TextFieldLayout{kPlace}), 41, 21, "TabStop"},
        {LayoutList(LabelLayout{kPlace}), 32, 20, "TabStop"},
        {LayoutList(PushButtonLayout{kPlace}), 29, 20, "TabStop"},
        {LayoutList(CanvasLayout{kPlace}), 24, 20, "TabStop"},
        {LayoutList(CanvasLayout{kPlace, std::nullopt}), 23, 20, "TabStop"},
        {LayoutList(TextAreaLayout{kPlace}), 46, 27, "TabStop"},
    };
    using I = std::int64_t;
    const PropertyEntry head[] = {
        {"Name", "box"s},    {"Index", I{-2147483648LL}},
        {"Left", I{5}},      {"Top", I{6}},
        {"Width", I{70}},    {"Height", I{8}},
        {"LockLeft", false}, {"LockTop", false},
        {"LockRight", true}, {"LockBottom", false},
        {"TabIndex", I{3}},  {"TabPanelIndex", I{0}},
    };
    // What no window of the program changes holds one value in every list.
    const std::pair<PropertyValue, std::string> same[] = {
        {true, " AllowAutoDeactivate Enabled Transparent Visible HasBorder AllowFocusRing Default "
               "HideSelection HasVerticalScrollbar AllowStyledText "},
        {false, " Italic Underline Bold Password AllowTabs AllowSpellChecking Selectable Cancel "
                "AllowFocus HasHorizontalScrollbar DoubleBuffer ReadOnly "},
        {""s, " Tooltip Format Hint ValidationMask DataSource DataField "},
        {I{0}, " MacButtonStyle MaximumCharactersAllowed "},
        {"System"s, " FontName "},
        {12.0f, " FontSize "},
        {FontUnit{0}, " FontUnit "},
        {0.0, " LineHeight "},
        {1.0, " LineSpacing "},
        {2.0, " BorderThickness "},
        {kWhite, " FillColor BackgroundColor "},
        {kBlack, " TextColor "},
        {Color{0xCCCCCC}, " TopLeftColor "},
        {Color{0x666666}, " BottomRightColor "},
    };
    for (const auto& [list, size, transparent, afterHead] : cases) {
        const std::vector<PropertyEntry> entries = DecodePropertyList(list);
        for (const auto& entry : entries) {
            for (const auto& [value, names] : same) {
                EXPECT_TRUE(names.find(" " + entry.name + " ") == std::string::npos ||
                            entry.value == value)
                    << entry.name << " " << size;
            }
        }
        ASSERT_EQ(entries.size(), size);
        for (std::size_t i = 0; i < std::size(head); ++i) {
            EXPECT_EQ(entries[i].name, head[i].name) << size;
            EXPECT_EQ(entries[i].value, head[i].value) << head[i].name;
        }
        EXPECT_EQ(entries[12].name, afterHead) << size;
        EXPECT_EQ(entries[transparent].name, "Transparent") << size;
        EXPECT_EQ(entries.back().name, "InitialParent");
        EXPECT_EQ(entries.back().value, PropertyValue{"frame"s});
    }
    EXPECT_EQ(DecodePropertyList(std::get<0>(cases[4]))[21].name, "DoubleBuffer");
    EXPECT_EQ(DecodePropertyList(std::get<0>(cases[5]))[21].name, "Transparent");
    // Without a title a window's list is 367 bytes, from Width to LiveResize.
    const std::string window = LayoutList(WindowLayout{});
    EXPECT_EQ(window.size(), 367u);
    EXPECT_EQ(DecodePropertyList(window).front().name + DecodePropertyList(window).back().name,
              "WidthLiveResize");
}

} // namespace
} // namespace framework
