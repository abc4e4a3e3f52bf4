// The four item accessors look their item up in the registered application's menu bar on every
// call, and refuse with NilObjectException when there is no application object or no menu bar.

#include "shell/MenuItems.h"

#include "framework/core/menus/MenuItem.h"
#include "framework/core/runtime/Exceptions.h"
#include "framework/ui/Application.h"
#include "shell/Menu.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

class BareApplication : public framework::Application {};

const std::function<std::shared_ptr<framework::MenuItem>()> kAccessors[] = {
    [] { return AboutWYB(); },
    [] { return AboutMenuItem(); },
    [] { return DescriptionMenuItem(); },
    [] { return ControlMenuItem(); },
};

class MenuItemsTest : public ::testing::Test {
protected:
    void TearDown() override { framework::ReleaseAppObject(); }

    framework::Application& Register() {
        framework::RuntimeRegisterAppObject(std::make_unique<BareApplication>());
        return *framework::GetAppObject();
    }
};

TEST_F(MenuItemsTest, NoApplicationObjectOrNoMenuBarRaisesNilObject) {
    for (const auto& accessor : kAccessors) {
        EXPECT_THROW(accessor(), framework::NilObjectException);
    }
    Register();
    for (const auto& accessor : kAccessors) {
        EXPECT_THROW(accessor(), framework::NilObjectException);
    }
}

TEST_F(MenuItemsTest, EveryCallLooksInTheMenuBarAsItIsNow) {
    framework::Application& app = Register();
    app.SetMenuBar(Menu());
    const auto first = ControlMenuItem();
    EXPECT_EQ(first, app.MenuBar()->Lookup("ControlMenuItem"));
    EXPECT_EQ(DescriptionMenuItem(), app.MenuBar()->Lookup("DescriptionMenuItem"));
    EXPECT_EQ(AboutWYB(), app.MenuBar()->Lookup("AboutWYB"));
    EXPECT_EQ(AboutMenuItem(), app.MenuBar()->Lookup("AboutMenuItem"));

    // A bar whose AboutWYB is a plain item: the cast gives nil rather than a wrong class.
    auto other = std::make_shared<framework::MenuBar>();
    for (const char* name : {"ControlMenuItem", "AboutWYB"}) {
        auto item = std::make_shared<framework::MenuItem>();
        item->SetName(name);
        other->AddMenu(item);
    }
    app.SetMenuBar(other);

    EXPECT_EQ(ControlMenuItem(), other->Child("ControlMenuItem"));
    EXPECT_NE(ControlMenuItem(), first);
    EXPECT_EQ(AboutWYB(), nullptr);
    EXPECT_EQ(AboutMenuItem(), nullptr);
}

} // namespace
