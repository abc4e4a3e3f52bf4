#include "framework/core/properties/LayoutLists.h"

#include <gtest/gtest.h>

namespace framework {
namespace {

using namespace std::string_literals;

const ControlPlace kPlace{.name = "box",
                          .left = 5,
                          .top = 6,
                          .width = 70,
                          .height = 8,
                          .tabIndex = 3,
                          .tabStop = true,
                          .parent = "frame",
                          .lockRight = true};

TEST(LayoutListsTest, EachKindHoldsItsEntriesBetweenItsFixedFirstAndLastNames) {
    struct Case {
        const char* kind;
        std::string list;
        std::size_t entries;
        const char* first;
        // The first entry after the common head of a control list.
        const char* afterHead;
        const char* last;
    };
    const Case cases[] = {
        {"window", LayoutList(WindowLayout{.width = 1}), 22, "Width", "", "LiveResize"},
        {"rectangle", LayoutList(RectangleLayout{kPlace}), 22, "Name", "AllowAutoDeactivate",
         "InitialParent"},
        {"text field", LayoutList(TextFieldLayout{kPlace}), 41, "Name", "TabStop", "InitialParent"},
        {"label", LayoutList(LabelLayout{kPlace}), 32, "Name", "TabStop", "InitialParent"},
        {"push button", LayoutList(PushButtonLayout{kPlace}), 29, "Name", "TabStop",
         "InitialParent"},
        {"canvas", LayoutList(CanvasLayout{kPlace}), 24, "Name", "TabStop", "InitialParent"},
        {"canvas without DoubleBuffer", LayoutList(CanvasLayout{kPlace, std::nullopt}), 23, "Name",
         "TabStop", "InitialParent"},
        {"text area", LayoutList(TextAreaLayout{kPlace}), 46, "Name", "TabStop", "InitialParent"},
    };
    for (const Case& c : cases) {
        const std::vector<PropertyEntry> entries = DecodePropertyList(c.list);
        ASSERT_EQ(entries.size(), c.entries) << c.kind;
        EXPECT_EQ(entries.front().name, c.first) << c.kind;
        EXPECT_EQ(entries.back().name, c.last) << c.kind;
        if (c.first == "Name"s) {
            EXPECT_EQ(entries[12].name, c.afterHead) << c.kind;
            EXPECT_EQ(entries.back().value, PropertyValue{"frame"s}) << c.kind;
        }
    }
    // DoubleBuffer stands between the canvas's two Transparent entries; without it they stand
    // side by side, both True.
    EXPECT_EQ(DecodePropertyList(cases[5].list)[21].name, "DoubleBuffer");
    const std::vector<PropertyEntry> canvas = DecodePropertyList(cases[6].list);
    for (std::size_t i : {20u, 21u}) {
        EXPECT_EQ(canvas[i].name, "Transparent") << i;
        EXPECT_EQ(canvas[i].value, PropertyValue{true}) << i;
    }
    // Without a title a window's list is 367 bytes, its words stored little-endian.
    const std::string window = LayoutList(WindowLayout{.width = 334});
    EXPECT_EQ(window.size(), 367u);
    EXPECT_EQ(window.substr(0, 14), "Width "s + std::string("\x4e\x01\0\0\0\0\0\0", 8));
}

TEST(LayoutListsTest, EveryControlListOpensWithThePlaceInTheCommonHead) {
    const std::vector<PropertyEntry> head = DecodePropertyList(LayoutList(LabelLayout{kPlace}));
    const PropertyEntry expected[] = {
        {"Name", "box"s},
        {"Index", std::int64_t{-2147483648LL}},
        {"Left", std::int64_t{5}},
        {"Top", std::int64_t{6}},
        {"Width", std::int64_t{70}},
        {"Height", std::int64_t{8}},
        {"LockLeft", false},
        {"LockTop", false},
        {"LockRight", true},
        {"LockBottom", false},
        {"TabIndex", std::int64_t{3}},
        {"TabPanelIndex", std::int64_t{0}},
        {"TabStop", true},
    };
    ASSERT_GE(head.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(head[i].name, expected[i].name) << i;
        EXPECT_EQ(head[i].value, expected[i].value) << expected[i].name;
    }
}

} // namespace
} // namespace framework
