// The program's menu bar on real windows after a real start-up: where it shows, what each front
// window enables as a menu opens or a shortcut acts, dispatch by name, the Edit items and quit.

#include "conversion/core/Module1.h"
#include "conversion/window/ControlWnd.h"
#include "framework/core/menus/MenuItem.h"
#include "framework/ui/MenuBarPresenter.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Timer.h"
#include "shell/AboutWnd.h"
#include "shell/DescriptionWnd.h"
#include "shell/HandleAboutMenu.h"
#include "shell/Menu.h"
#include "tests/shell/StartupFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

using ItemStates = std::vector<std::pair<std::string, bool>>;

class MenuBarTest : public startuptest::LaunchedTest {
protected:
    // The converter window in front, as the splash leaves it.
    class ControlWnd& Converter() {
        framework::FirePendingTimers();
        WaitForActiveConverter();
        return ControlWnd();
    }
    static void ToFront(framework::Window& window) {
        window.Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.TopLevelWidget()));
    }
    static QMenuBar* BarOf(const framework::Window& window) {
        return window.TopLevelWidget()->findChild<QMenuBar*>();
    }
    static QMenu* MenuOf(QMenuBar& bar, const QString& caption) {
        for (QAction* action : bar.actions()) {
            if (action->text() == caption) {
                return action->menu();
            }
        }
        return nullptr;
    }
    // Opens the menu as a click on its title does, and reads its items' captions and states.
    static ItemStates OpenAndRead(QMenuBar& bar, const QString& caption) {
        QMenu* menu = MenuOf(bar, caption);
        QTest::mouseClick(&bar, Qt::LeftButton, {},
                          bar.actionGeometry(menu->menuAction()).center());
        EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
        ItemStates states;
        for (const QAction* action : menu->actions()) {
            states.emplace_back(action->isSeparator() ? "-" : action->text().toStdString(),
                                action->isEnabled());
        }
        menu->hide();
        return states;
    }
};

TEST_F(MenuBarTest, DocumentWindowsCarryTheBarAboveTheirContentAndTheAboutWindowNone) {
    EXPECT_EQ(BarOf(AboutWnd()), nullptr);
    class ControlWnd& converter = Converter();
    QMenuBar* bar = BarOf(converter);
    ASSERT_NE(bar, nullptr);
    EXPECT_GE(converter.Content()->y(), bar->geometry().bottom());
    EXPECT_EQ(converter.Content()->size(), QSize(535, 445));
    // The bar keeps the style's colours, not the grey of the About window's edge.
    EXPECT_EQ(bar->palette().color(QPalette::Window),
              QApplication::palette(bar).color(QPalette::Window));

    QStringList shownMenus;
    for (const QAction* action : bar->actions()) {
        if (action->isVisible()) {
            shownMenus << action->text();
        }
    }
    EXPECT_EQ(shownMenus, QStringList({"File", "Edit", "Window"}));
    QStringList editItems;
    for (const QAction* action : MenuOf(*bar, "Edit")->actions()) {
        editItems << (action->isSeparator() ? "-" : action->text());
    }
    EXPECT_EQ(editItems, QStringList({"Undo", "-", "Cut", "Copy", "Paste"}));
    const QAction* quit = MenuOf(*bar, "File")->actions()[0];
    EXPECT_EQ(quit->text(), "Quit");
    EXPECT_EQ(quit->shortcut(), QKeySequence("Ctrl+Q"));

    // A bar set anew replaces the one shown rather than stacking a second above it.
    App().SetMenuBar(std::make_shared<framework::MenuBar>());
    App().SetMenuBar(Menu());
    EXPECT_EQ(converter.TopLevelWidget()->findChildren<QMenuBar*>().size(), 1);
    EXPECT_EQ(converter.Content()->size(), QSize(535, 445));
}

// Everything but Quit starts each pass disabled; the front window and the application enable
// their own items, and the About window enables none. Control brings the converter back.
TEST_F(MenuBarTest, EachFrontWindowEnablesItsOwnItemsAndAboutWYBIsAlwaysOn) {
    const auto enabled = [] {
        framework::RefreshMenuStates();
        std::set<std::string> names;
        for (const auto& menu : App().MenuBar()->Children()) {
            for (const auto& item : menu->Children()) {
                if (item->Enabled() && !item->Name().starts_with("Edit")) {
                    names.insert(item->Name());
                }
            }
        }
        return names;
    };
    ASSERT_TRUE(startuptest::ProcessEventsUntil([] { return AboutWnd().IsActive(); }));
    EXPECT_EQ(enabled(), (std::set<std::string>{"FileQuit", "AboutWYB"}));

    // An opening menu runs the pass itself, so each window's menu is read before any other pass.
    class ControlWnd& converter = Converter();
    EXPECT_EQ(OpenAndRead(*BarOf(converter), "Window"),
              (ItemStates{{"Control", false}, {"Description", true}, {"About Quorvane", true}}));
    EXPECT_EQ(enabled(), (std::set<std::string>{"FileQuit", "DescriptionMenuItem", "AboutMenuItem",
                                                "AboutWYB"}));

    ToFront(DescriptionWnd());
    EXPECT_EQ(OpenAndRead(*BarOf(DescriptionWnd()), "Window"),
              (ItemStates{{"Control", true}, {"Description", false}, {"About Quorvane", true}}));
    EXPECT_EQ(enabled(),
              (std::set<std::string>{"FileQuit", "ControlMenuItem", "AboutMenuItem", "AboutWYB"}));
    EXPECT_FALSE(framework::ChooseMenuItem("ControlMenuItem"));
    EXPECT_TRUE(QTest::qWaitForWindowActive(converter.TopLevelWidget()));
}

TEST_F(MenuBarTest, ChoicesReachTheFrontWindowAndTheApplicationByName) {
    Converter();
    // Disabled while the converter window is in front: nobody hears of it.
    EXPECT_FALSE(framework::ChooseMenuItem("ControlMenuItem"));
    EXPECT_EQ(framework::GetImplicitWindow(DescriptionWnd::kClassName), nullptr);

    EXPECT_FALSE(framework::ChooseMenuItem("DescriptionMenuItem"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(DescriptionWnd().TopLevelWidget()));

    // Both About items, from either window, show the one About window; a second choice while it
    // shows only brings it to the front.
    const framework::Window* about = &AboutWnd();
    for (const char* itemName : {"AboutMenuItem", "AboutWYB", "AboutWYB"}) {
        EXPECT_FALSE(framework::ChooseMenuItem(itemName)) << itemName;
        EXPECT_TRUE(AboutWnd().Visible()) << itemName;
        EXPECT_EQ(&AboutWnd(), about) << itemName;
    }
    EXPECT_FALSE(App().AboutMenuItem_Action());
    EXPECT_FALSE(App().AboutWYB_Action());
}

// The last menu opened left the item disabled; its shortcut brings the states up to date first.
TEST_F(MenuBarTest, AShortcutActsOnStatesFreshForTheWindowInFront) {
    Menu()->Lookup("DescriptionMenuItem")->SetShortcut("Shift+Cmd+D");
    App().SetMenuBar(Menu());
    class ControlWnd& converter = Converter();
    ToFront(DescriptionWnd());
    OpenAndRead(*BarOf(DescriptionWnd()), "Window");
    DescriptionWnd().Hide();

    ToFront(converter);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_D,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(DescriptionWnd().Visible());
}

// The Edit items serve the focused field without its key filter. In the raw score they apply no
// clearing rule; in a standard score, a paste after a calculation applies the field's own.
TEST_F(MenuBarTest, EditItemsServeTheFocusedFieldPastTheKeyFilter) {
    class ControlWnd& converter = Converter();
    framework::TextField& field = converter.rawFld();
    converter.zFld().SetText("12");
    field.SetText("12345");
    field.SetFocus();
    Module1::dirty = "yes";
    auto& edit = static_cast<QLineEdit&>(*field.Widget());

    framework::RefreshMenuStates();
    EXPECT_FALSE(App().MenuBar()->Lookup("EditCopy")->Enabled());
    edit.setSelection(1, 3);
    EXPECT_TRUE(framework::ChooseMenuItem("EditCopy"));
    EXPECT_EQ(QApplication::clipboard()->text(), "234");
    EXPECT_TRUE(framework::ChooseMenuItem("EditCut"));
    EXPECT_EQ(field.Text(), "15");

    QApplication::clipboard()->setText("ab");
    edit.setCursorPosition(1);
    EXPECT_TRUE(framework::ChooseMenuItem("EditPaste"));
    EXPECT_EQ(field.Text(), "1ab5");
    EXPECT_TRUE(framework::ChooseMenuItem("EditUndo"));
    EXPECT_EQ(field.Text(), "15");
    edit.selectAll();
    EXPECT_TRUE(framework::ChooseMenuItem("EditClear"));
    EXPECT_EQ(field.Text(), "");
    EXPECT_EQ(converter.zFld().Text(), "12");
    EXPECT_EQ(BeepCount(), 0);

    field.SetText("60");
    converter.wechslerFld().SetFocus();
    EXPECT_TRUE(framework::ChooseMenuItem("EditPaste"));
    EXPECT_EQ(converter.wechslerFld().Text(), "ab");
    EXPECT_EQ(converter.zFld().Text() + field.Text(), "");
}

// Quit is the framework's own: its shortcut ends the program with 0 from the converter window and
// from the About window, which carries no bar.
TEST(MenuBarQuitTest, TheQuitShortcutEndsTheProgramWithZeroFromAnyWindow) {
    for (const bool splash : {true, false}) {
        const int status = startuptest::RunWholeProgram([splash] {
            if (!splash) {
                framework::FirePendingTimers();
            }
            QWidget* front = splash ? AboutWnd().TopLevelWidget() : ControlWnd().TopLevelWidget();
            ASSERT_TRUE(QTest::qWaitForWindowActive(front));
            QTest::keyClick(front, Qt::Key_Q, Qt::ControlModifier);
        });
        EXPECT_EQ(status, 0) << (splash ? "splash" : "converter");
    }
}

} // namespace
