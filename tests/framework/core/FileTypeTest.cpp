#include "framework/core/runtime/FileType.h"

#include "framework/core/runtime/FileTypeRegistry.h"

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

TEST(FileTypeTest, ConvertingRegistersOnceAndYieldsTheName) {
    framework::FileType type;
    type.SetName("converted");
    type.SetMacType("TEXT");
    type.SetMacCreator("R*ch");

    EXPECT_EQ(static_cast<std::string>(type), "converted");
    EXPECT_EQ(static_cast<std::string>(type), "converted");

    EXPECT_TRUE(type.IsRegistered());
    EXPECT_EQ(RegistrationsNamed("converted"), 1);
    EXPECT_EQ(framework::RegisteredFileTypes().back(),
              (framework::FileTypeRegistration{"converted", "R*ch", "TEXT", "", ""}));
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

        set(type);

        EXPECT_FALSE(type.IsRegistered());
        EXPECT_EQ(RegistrationsNamed("withdrawn"), 0);
        static_cast<void>(static_cast<std::string>(type));
        EXPECT_EQ(RegistrationsNamed(type.Name()), 1);
        framework::WithdrawFileType(type.Name());
    }
}

} // namespace
