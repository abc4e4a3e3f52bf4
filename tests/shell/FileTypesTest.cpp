#include "shell/FileTypes.h"

#include "framework/core/runtime/FileTypeRegistry.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

TEST(FileTypesTest, NothingIsDeclaredBeforeInitialize) {
    if (!FileTypes::pAllFileTypes.empty()) {
        GTEST_SKIP() << "an earlier test in this run has started the program";
    }

    EXPECT_EQ(FileTypes::Text(), nullptr);
    EXPECT_EQ(FileTypes::UntitledType(), nullptr);
    EXPECT_TRUE(framework::RegisteredFileTypes().empty());
}

TEST(FileTypesTest, InitializeRegistersTheTextTypeThenTheUntitledTypeOnce) {
    if (FileTypes::pAllFileTypes.empty()) {
        FileTypes::Initialize();
    }

    ASSERT_EQ(FileTypes::pAllFileTypes.size(), 2u);
    EXPECT_EQ(FileTypes::pAllFileTypes[0], FileTypes::Text());
    EXPECT_EQ(FileTypes::pAllFileTypes[1], FileTypes::UntitledType());
    EXPECT_TRUE(FileTypes::Text()->IsRegistered());
    EXPECT_TRUE(FileTypes::UntitledType()->IsRegistered());
    const auto& registered = framework::RegisteredFileTypes();
    const framework::FileTypeRegistration text{"text", "R*ch", "TEXT", "", ""};
    EXPECT_EQ(std::count(registered.begin(), registered.end(), text), 1);
    EXPECT_EQ(std::count(registered.begin(), registered.end(), framework::FileTypeRegistration{}),
              1);
}

} // namespace
