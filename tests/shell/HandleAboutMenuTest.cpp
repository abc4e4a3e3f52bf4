// The application object's menu part: what it enables, and its two About items.

#include "shell/HandleAboutMenu.h"

#include "conversion/ControlWnd.h"
#include "framework/menus/MenuCommands.h"
#include "framework/ui/Timer.h"
#include "shell/AboutWnd.h"
#include "tests/shell/StartupFixture.h"

#include <set>

namespace {

using framework::MenuItem;

class HandleAboutMenuTest : public startuptest::LaunchedTest {
protected:
    // One menu update with the window in front, as the framework makes it.
    static void UpdateMenusWithFront(framework::Window* front) {
        framework::UpdateMenuStates(
            *App().MenuBar(),
            [front] {
                if (front != nullptr) {
                    front->RaiseEvent(framework::WindowEvent::EnableMenuItems);
                }
            },
            [] { App().RaiseEvent(framework::ApplicationEvent::EnableMenuItems); });
    }

    static std::set<std::string> EnabledItems() {
        std::set<std::string> names;
        for (const auto& menu : App().MenuBar()->Children()) {
            for (const auto& item : menu->Children()) {
                if (item->Enabled()) {
                    names.insert(item->Name());
                }
            }
        }
        return names;
    }

    static bool Choose(std::string_view itemName, framework::Window& front) {
        const auto item = App().MenuBar()->Lookup(itemName);
        return framework::DispatchMenuChoice(*item, &front.BoundMenuHandlers(),
                                             &App().BoundMenuHandlers(),
                                             [] { ADD_FAILURE() << "the About items quit"; });
    }
};

TEST_F(HandleAboutMenuTest, WithTheAboutWindowInFrontOnlyAboutWYBIsEnabledByTheProgram) {
    UpdateMenusWithFront(&AboutWnd());
    EXPECT_EQ(EnabledItems(), (std::set<std::string>{"AboutWYB", "FileQuit"}))
        << "Quit enables itself";

    framework::FirePendingTimers();
    for (framework::Window* front : {static_cast<framework::Window*>(&ControlWnd()),
                                     static_cast<framework::Window*>(nullptr)}) {
        UpdateMenusWithFront(front);
        EXPECT_TRUE(EnabledItems().contains("AboutWYB"));
    }
}

TEST_F(HandleAboutMenuTest, BothAboutItemsShowTheOneAboutWindow) {
    framework::FirePendingTimers();
    const framework::Window* about = &AboutWnd();
    for (const char* itemName : {"AboutMenuItem", "AboutWYB"}) {
        ASSERT_FALSE(AboutWnd().Visible());
        EXPECT_FALSE(Choose(itemName, ControlWnd())) << itemName << " leaves the choice open";
        EXPECT_TRUE(AboutWnd().Visible()) << itemName;
        EXPECT_FALSE(Choose(itemName, AboutWnd())) << itemName << " with the About box in front";
        EXPECT_TRUE(AboutWnd().Visible()) << itemName;
        EXPECT_EQ(&AboutWnd(), about) << itemName << " made a second About window";
        AboutWnd().Hide();
    }
}

} // namespace
