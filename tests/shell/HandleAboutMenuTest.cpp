// The application object's menu part: what it enables with the splash in front, its two About
// items, and the quit item that ends the program.

#include "shell/HandleAboutMenu.h"

#include "conversion/ControlWnd.h"
#include "framework/menus/MenuItem.h"
#include "framework/ui/MenuBarPresenter.h"
#include "framework/ui/Timer.h"
#include "shell/AboutWnd.h"
#include "tests/shell/StartupFixture.h"

#include <set>

namespace {

class HandleAboutMenuTest : public startuptest::LaunchedTest {
protected:
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
};

TEST_F(HandleAboutMenuTest, WithTheAboutWindowInFrontOnlyAboutWYBIsEnabledByTheProgram) {
    ASSERT_TRUE(startuptest::ProcessEventsUntil([] { return AboutWnd().IsActive(); }));
    framework::RefreshMenuStates();
    EXPECT_EQ(EnabledItems(), (std::set<std::string>{"AboutWYB", "FileQuit"}))
        << "Quit enables itself";
}

TEST_F(HandleAboutMenuTest, BothAboutItemsShowTheOneAboutWindow) {
    framework::FirePendingTimers();
    WaitForActiveConverter();
    const framework::Window* about = &AboutWnd();
    for (const char* itemName : {"AboutMenuItem", "AboutWYB", "AboutWYB"}) {
        EXPECT_FALSE(framework::ChooseMenuItem(itemName)) << itemName << " leaves the choice open";
        EXPECT_TRUE(AboutWnd().Visible()) << itemName;
        EXPECT_EQ(&AboutWnd(), about) << itemName << " made a second About window";
    }
    EXPECT_FALSE(App().AboutMenuItem_Action());
    EXPECT_FALSE(App().AboutWYB_Action());
}

TEST(HandleAboutMenuQuitTest, QuitItemEndsTheProgramWithStatusZero) {
    EXPECT_EQ(startuptest::RunWholeProgram([] { framework::ChooseMenuItem("FileQuit"); }), 0);
}

} // namespace
