#include "framework/runtime/FileType.h"

#include "framework/runtime/FileTypeRegistry.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The register lives as long as the test program, so each test works under names of its own.
long RegistrationsNamed(const std::string& name) {
    const auto& registered = framework::RegisteredFileTypes();
    return std::count_if(registered.begin(), registered.end(),
                         [&name](const auto& entry) { return entry.name == name; });
}

TEST(FileTypeTest, NewTypeIsEmptyAndUnregistered) {
    const framework::FileType type;

    EXPECT_EQ(type.Name(), "");
    EXPECT_EQ(type.Extensions(), "");
    EXPECT_EQ(type.MacType(), "");
    EXPECT_EQ(type.MacCreator(), "");
    EXPECT_EQ(type.MimeType(), "");
    EXPECT_EQ(type.ConformsTo(), "");
    EXPECT_EQ(type.UTI(), "");
    EXPECT_FALSE(type.IsRegistered());
}

TEST(FileTypeTest, ConvertingRegistersOnceAndYieldsTheName) {
    framework::FileType type;
    type.SetName("converted");
    type.SetMacType("TEXT");
    type.SetMacCreator("R*ch");
    type.SetExtensions("txt");
    type.SetUTI("public.plain-text");

    EXPECT_EQ(static_cast<std::string>(type), "converted");
    EXPECT_EQ(static_cast<std::string>(type), "converted");

    EXPECT_TRUE(type.IsRegistered());
    ASSERT_EQ(RegistrationsNamed("converted"), 1);
    const auto& registered = framework::RegisteredFileTypes();
    const auto entry = std::find_if(registered.begin(), registered.end(),
                                    [](const auto& e) { return e.name == "converted"; });
    EXPECT_EQ(*entry, (framework::FileTypeRegistration{"converted", "R*ch", "TEXT", "txt",
                                                       "public.plain-text"}));
}

TEST(FileTypeTest, EverySetterWithdrawsARegistrationByTheCurrentName) {
    const std::vector<std::pair<const char*, std::function<void(framework::FileType&)>>> setters = {
        {"Name", [](auto& t) { t.SetName("renamed"); }},
        {"Extensions", [](auto& t) { t.SetExtensions("txt"); }},
        {"MacType", [](auto& t) { t.SetMacType("TEXT"); }},
        {"MacCreator", [](auto& t) { t.SetMacCreator("R*ch"); }},
        {"MimeType", [](auto& t) { t.SetMimeType("text/plain"); }},
        {"Imported", [](auto& t) { t.SetImported(true); }},
        {"ConformsTo", [](auto& t) { t.SetConformsTo("public.text"); }},
        {"UTI", [](auto& t) { t.SetUTI("public.plain-text"); }},
    };
    for (const auto& [field, set] : setters) {
        SCOPED_TRACE(field);
        framework::FileType type;
        type.SetName("withdrawn");
        static_cast<void>(static_cast<std::string>(type));
        ASSERT_EQ(RegistrationsNamed("withdrawn"), 1);

        set(type);

        EXPECT_FALSE(type.IsRegistered());
        EXPECT_EQ(RegistrationsNamed("withdrawn"), 0);
        static_cast<void>(static_cast<std::string>(type));
        EXPECT_EQ(RegistrationsNamed(type.Name()), 1);
        framework::WithdrawFileType(type.Name());
    }
}

TEST(FileTypeTest, SettingAnUnregisteredTypeWithdrawsNothing) {
    framework::FileType registeredElsewhere;
    registeredElsewhere.SetName("shared name");
    static_cast<void>(static_cast<std::string>(registeredElsewhere));

    framework::FileType type;
    type.SetName("shared name");
    type.SetMacType("TEXT");

    EXPECT_EQ(RegistrationsNamed("shared name"), 1);
    EXPECT_TRUE(registeredElsewhere.IsRegistered());
}

TEST(FileTypeRegistryTest, WithdrawingRemovesOnlyTheEarliestRegistrationOfTheName) {
    framework::RegisterFileType({"twice", "AAAA", "1111", "", ""});
    framework::RegisterFileType({"twice", "BBBB", "2222", "", ""});

    framework::WithdrawFileType("twice");

    ASSERT_EQ(RegistrationsNamed("twice"), 1);
    const auto& registered = framework::RegisteredFileTypes();
    EXPECT_TRUE(std::any_of(registered.begin(), registered.end(), [](const auto& e) {
        return e.name == "twice" && e.macCreator == "BBBB";
    }));
    framework::WithdrawFileType("twice");
    EXPECT_EQ(RegistrationsNamed("twice"), 0);
}

} // namespace
