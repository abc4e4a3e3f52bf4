#include "framework/core/runtime/FileType.h"

#include "framework/core/runtime/FileTypeRegistry.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace framework {
namespace {

long RegistrationsNamed(const std::string& name) {
    return std::ranges::count(RegisteredFileTypes(), name, &FileTypeRegistration::name);
}

// The register lives as long as the test program, so each type withdraws what it registered.
TEST(FileType, ConvertingRegistersOnceAndEverySetterWithdrawsByTheCurrentName) {
    const std::function<void(FileType&)> setters[] = {
        [](auto& t) { t.SetName("renamed"); },
        [](auto& t) { t.SetExtensions("txt"); },
        [](auto& t) { t.SetMacType("TEXT"); },
        [](auto& t) { t.SetMacCreator("R*ch"); },
        [](auto& t) { t.SetMimeType("text/plain"); },
        [](auto& t) { t.SetImported(true); },
        [](auto& t) { t.SetConformsTo("public.text"); },
        [](auto& t) { t.SetUTI("public.plain-text"); },
    };
    for (const auto& set : setters) {
        FileType type;
        type.SetName("converted");
        type.SetUTI("public.text");
        EXPECT_EQ(static_cast<std::string>(type) + static_cast<std::string>(type),
                  "convertedconverted");
        WithdrawFileType("never registered");
        EXPECT_EQ(RegistrationsNamed("converted"), 1);
        set(type);
        EXPECT_EQ(RegistrationsNamed("converted"), 0) << type.Name();
        static_cast<void>(static_cast<std::string>(type));
        EXPECT_EQ(RegisteredFileTypes().back(),
                  (FileTypeRegistration{type.Name(), type.MacCreator(), type.MacType(),
                                        type.Extensions(), type.UTI()}));
        WithdrawFileType(type.Name());
    }
}

} // namespace
} // namespace framework
