#include "framework/core/properties/PropertyList.h"

#include "framework/core/properties/NameMatching.h"
#include "framework/core/runtime/Exceptions.h"

#include <gtest/gtest.h>
#include <limits>

namespace framework {
namespace {

using namespace std::string_literals;

// Records what a list sets, in order.
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

void ExpectSameEntries(const std::vector<PropertyEntry>& actual,
                       std::span<const PropertyEntry> expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].name, expected[i].name) << "entry " << i;
        EXPECT_EQ(actual[i].value, expected[i].value) << "entry " << i;
    }
}

TEST(PropertyListTest, EveryTypeRoundTripsWithItsEncodedSize) {
    struct Case {
        PropertyEntry entry;
        std::size_t valueBytes;
    };
    const Case cases[] = {
        {{"Width", std::int64_t{334}}, 8},
        {{"Left", std::numeric_limits<std::int64_t>::min()}, 8},
        {{"Visible", true}, 1},
        {{"Resizeable", false}, 1},
        {{"Title", "Z\xC3\xBC"
                   "rich"s},
         4 + 7},
        {{"Tooltip", ""s}, 4},
        {{"TextColor", Color{0x007F7F7F}}, 4},
        {{"BorderThickness", 1.25}, 8},
        {{"LineSpacing", -0.1}, 8},
        {{"FontSize", 10.0f}, 4},
        {{"FontUnit", FontUnit{3}}, 1},
    };
    for (const auto& [entry, valueBytes] : cases) {
        const std::string bytes = EncodePropertyList({entry});
        EXPECT_EQ(bytes.size(), entry.name.size() + 1 + valueBytes) << entry.name;
        ExpectSameEntries(DecodePropertyList(bytes), std::span(&entry, 1));
    }
}

TEST(PropertyListTest, TimerListIsThirtyOneBytes) {
    const std::string list = EncodePropertyList({{"RunMode", 1}, {"Period", 4000}});
    EXPECT_EQ(list, "RunMode "s + Bytes({1, 0, 0, 0, 0, 0, 0, 0}) + "Period " +
                        Bytes({0xa0, 0x0f, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(list.size(), 31u);
}

TEST(PropertyListTest, StoresWordsLittleEndian) {
    EXPECT_EQ(EncodePropertyList({{"Index", std::int64_t{-2147483648}}}),
              "Index "s + Bytes({0x00, 0x00, 0x00, 0x80, 0xff, 0xff, 0xff, 0xff}));
    EXPECT_EQ(EncodePropertyList({{"BackgroundColor", Color{0x00FFFFFF}}}),
              "BackgroundColor "s + Bytes({0xff, 0xff, 0xff, 0x00}));
    EXPECT_EQ(EncodePropertyList({{"TextColor", Color{0x00000080}}}),
              "TextColor "s + Bytes({0x80, 0x00, 0x00, 0x00}));
    EXPECT_EQ(EncodePropertyList({{"FontSize", 10.0f}}),
              "FontSize "s + Bytes({0x00, 0x00, 0x20, 0x41}));
    EXPECT_EQ(EncodePropertyList({{"Caption", "OK"s}}), "Caption "s + Bytes({2, 0, 0, 0}) + "OK");
}

// Names match with ASCII letters folded, nothing else: "@" is not "`", nor "ä" "Ä".
TEST(PropertyListTest, KeysIgnoreCaseAndRepeatsApplyInStoredOrder) {
    EXPECT_EQ(DeclaredType("MultiLine"), PropertyType::Boolean);
    EXPECT_EQ(DeclaredType("macprocid"), PropertyType::Integer);
    EXPECT_EQ(DeclaredType("Visibl"), std::nullopt);
    EXPECT_EQ(DeclaredType("Text"), std::nullopt);
    EXPECT_FALSE(EqualsIgnoringCase("Tab@", "Tab`"));
    EXPECT_FALSE(EqualsIgnoringCase("\xC3\xA4", "\xC3\x84"));
    RecordingTarget target;
    SetProperties(target, EncodePropertyList({{"Multiline", false},
                                              {"Transparent", false},
                                              {"MacProcID", 0},
                                              {"TRANSPARENT", true}}));
    ASSERT_EQ(target.set.size(), 4u);
    EXPECT_EQ(target.set[0].name, "Multiline");
    EXPECT_EQ(target.set[2].name, "MacProcID");
    EXPECT_EQ(target.set[3].name, "TRANSPARENT");
    EXPECT_EQ(target.set[3].value, PropertyValue{true});
}

TEST(PropertyListTest, MalformedListsThrowNamingTheProblemAndSetNothing) {
    const std::string timer = EncodePropertyList({{"RunMode", 1}, {"Period", 4000}});
    struct Case {
        std::string list;
        std::string problem;
    };
    const Case cases[] = {
        {timer.substr(0, timer.size() - 1), "truncated value"},
        {"RunMode", "missing blank"},
        {"Colour " + Bytes({0, 0, 0, 0}), "unknown property name 'Colour'"},
        {" " + Bytes({0}), "unknown property name ''"},
        {"Title " + Bytes({5, 0, 0, 0}) + "abc", "string length past the end"},
        {"Title " + Bytes({0xff, 0xff, 0xff, 0xff}), "string length past the end"},
        {"Title " + Bytes({1, 0}), "truncated value"},
        {"Visible " + Bytes({2}), "not 0 or 1"},
    };
    for (const auto& [list, problem] : cases) {
        RecordingTarget target;
        try {
            SetProperties(target, timer + list);
            ADD_FAILURE() << "no exception for " << problem;
        } catch (const PropertyListException& e) {
            EXPECT_NE(std::string(e.what()).find(problem), std::string::npos) << e.what();
        }
        EXPECT_TRUE(target.set.empty()) << problem;
    }
}

TEST(PropertyListTest, EncoderRefusesUnknownNamesAndMismatchedTypes) {
    EXPECT_THROW(EncodePropertyList({{"Colour", Color{0}}}), PropertyListException);
    EXPECT_THROW(EncodePropertyList({{"BorderThickness", 1}}), PropertyListException);
    EXPECT_THROW(EncodePropertyList({{"FontSize", 10.0}}), PropertyListException);
    EXPECT_THROW(EncodePropertyList({{"Visible", 1}}), PropertyListException);
}

} // namespace
} // namespace framework
