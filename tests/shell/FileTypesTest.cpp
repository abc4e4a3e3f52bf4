#include "shell/FileTypes.h"

#include "framework/runtime/FileTypeRegistry.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

long TimesRegistered(const framework::FileTypeRegistration& registration) {
    const auto& registered = framework::RegisteredFileTypes();
    return std::count(registered.begin(), registered.end(), registration);
}

TEST(FileTypesTest, NothingIsDeclaredBeforeInitialize) {
    if (!FileTypes::pAllFileTypes.empty()) {
        GTEST_SKIP() << "an earlier test in this run has started the program";
    }

    EXPECT_EQ(FileTypes::Text(), nullptr);
    EXPECT_EQ(FileTypes::UntitledType(), nullptr);
    EXPECT_EQ(framework::RegisteredFileTypes().size(), 0u);
}

TEST(FileTypesTest, InitializeRegistersTheTextTypeThenTheUntitledTypeOnce) {
    if (FileTypes::pAllFileTypes.empty()) {
        FileTypes::Initialize();
    }

    ASSERT_EQ(FileTypes::pAllFileTypes.size(), 2u);
    const auto& text = FileTypes::pAllFileTypes[0];
    const auto& untitled = FileTypes::pAllFileTypes[1];
    EXPECT_EQ(text, FileTypes::Text());
    EXPECT_EQ(untitled, FileTypes::UntitledType());

    EXPECT_EQ(text->Name(), "text");
    EXPECT_EQ(text->MacType(), "TEXT");
    EXPECT_EQ(text->MacCreator(), "R*ch");
    EXPECT_TRUE(text->Imported());
    EXPECT_EQ(untitled->Name(), "");
    EXPECT_EQ(untitled->MacType(), "");
    EXPECT_EQ(untitled->MacCreator(), "");
    EXPECT_TRUE(untitled->Imported());

    EXPECT_TRUE(text->IsRegistered());
    EXPECT_TRUE(untitled->IsRegistered());
    EXPECT_EQ(TimesRegistered({"text", "R*ch", "TEXT", "", ""}), 1);
    EXPECT_EQ(TimesRegistered({"", "", "", "", ""}), 1);
}

} // namespace
