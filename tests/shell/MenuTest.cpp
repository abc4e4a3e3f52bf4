// The program's menu bar: the item accessors, and the bar on real windows after a real start-up:
// where it shows, what each front window enables, dispatch by name and shortcut, the Edit items.

#include "shell/Menu.h"

#include "conversion/core/Module1.h"
#include "framework/core/menus/MenuItem.h"
#include "framework/core/runtime/Exceptions.h"
#include "framework/ui/MenuBarPresenter.h"
#include "framework/ui/TextField.h"
#include "shell/DescriptionWnd.h"
#include "shell/HandleAboutMenu.h"
#include "shell/MenuItems.h"
#include "tests/shell/StartupFixture.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <map>
#include <set>

namespace {

class BareApplication : public framework::Application {};

// The accessors look in the registered application's bar as it is at each call, and refuse
// with NilObjectException when there is no application object or no menu bar.
TEST(MenuItemsTest, EveryCallLooksInTheApplicationsMenuBarAsItIsNow) {
    const std::map<std::string, std::function<std::shared_ptr<framework::MenuItem>()>> accessors{
        {"AboutWYB", AboutWYB},
        {"AboutMenuItem", AboutMenuItem},
        {"DescriptionMenuItem", DescriptionMenuItem},
        {"ControlMenuItem", ControlMenuItem}};
    for (const bool withApplication : {false, true}) {
        if (withApplication) {
            framework::RuntimeRegisterAppObject(std::make_unique<BareApplication>());
        }
        for (const auto& [name, accessor] : accessors) {
            EXPECT_THROW(accessor(), framework::NilObjectException) << name;
        }
    }
    framework::GetAppObject()->SetMenuBar(Menu());
    for (const auto& [name, accessor] : accessors) {
        EXPECT_EQ(accessor(), Menu()->Lookup(name)) << name;
    }
    // A bar whose AboutWYB is a plain item: the cast gives nil rather than a wrong class.
    auto other = std::make_shared<framework::MenuBar>();
    for (const char* name : {"ControlMenuItem", "AboutWYB"}) {
        other->AddMenu(std::make_shared<framework::MenuItem>());
        other->Children().back()->SetName(name);
    }
    framework::GetAppObject()->SetMenuBar(other);
    EXPECT_EQ(ControlMenuItem(), other->Child("ControlMenuItem"));
    EXPECT_EQ(AboutWYB(), nullptr);
    framework::ReleaseAppObject();
}

class MenuBarTest : public startuptest::LaunchedTest {
protected:
    static QMenuBar& BarOf(const framework::Window& window) {
        return *window.TopLevelWidget()->findChild<QMenuBar*>();
    }
    // The visible captions of the bar's menus, or of the items of one ("-" for a separator). An
    // opened menu, opened as a click on its title does, also marks its enabled items with "*".
    static std::string Read(QMenuBar& bar, const QString& menuCaption = {}, bool open = false) {
        std::string captions;
        for (QAction* action : bar.actions()) {
            if (menuCaption.isEmpty() && action->isVisible()) {
                captions += action->text().toStdString() + ' ';
            } else if (action->text() == menuCaption && !menuCaption.isEmpty()) {
                if (open) {
                    QTest::mouseClick(&bar, Qt::LeftButton, {},
                                      bar.actionGeometry(action).center());
                    EXPECT_TRUE(QTest::qWaitFor([action] { return action->menu()->isVisible(); }));
                    action->menu()->hide();
                }
                for (const QAction* item : action->menu()->actions()) {
                    captions += (item->isSeparator() ? "-" : item->text().toStdString()) +
                                (open && item->isEnabled() ? "* " : " ");
                }
            }
        }
        return captions;
    }
};

TEST_F(MenuBarTest, DocumentWindowsCarryTheBarAboveTheirContentAndTheAboutWindowNone) {
    EXPECT_EQ(AboutWnd().TopLevelWidget()->findChild<QMenuBar*>(), nullptr);
    class ControlWnd& converter = HandedOver();
    QMenuBar& bar = BarOf(converter);
    EXPECT_GE(converter.Content()->y(), bar.geometry().bottom());
    // The bar keeps the style's colours, not the grey of the About window's edge.
    EXPECT_EQ(bar.palette().color(QPalette::Window),
              QApplication::palette(&bar).color(QPalette::Window));
    EXPECT_EQ(Read(bar), "File Edit Window ");
    EXPECT_EQ(Read(bar, "Edit"), "Undo - Cut Copy Paste ");
    EXPECT_EQ(Read(bar, "File"), "Quit ");
    EXPECT_EQ(bar.actions()[1]->menu()->actions()[0]->shortcut(), QKeySequence("Ctrl+Q"));

    // A bar set anew replaces the one shown rather than stacking a second above it.
    App().SetMenuBar(std::make_shared<framework::MenuBar>());
    App().SetMenuBar(Menu());
    EXPECT_EQ(converter.TopLevelWidget()->findChildren<QMenuBar*>().size(), 1);
    EXPECT_EQ(converter.Content()->size(), QSize(535, 445));
}

// Everything but Quit starts each pass disabled; the front window and the application enable
// their own items, the About window none. An opening menu runs the pass itself, so each window's
// menu is read before any other pass. A disabled item's choice reaches nobody.
TEST_F(MenuBarTest, EachFrontWindowEnablesItsOwnItemsAndChoicesReachThemByName) {
    const auto enabled = [] {
        framework::RefreshMenuStates();
        std::string names;
        for (const auto& menu : App().MenuBar()->Children()) {
            for (const auto& item : menu->Children()) {
                names +=
                    item->Enabled() && !item->Name().starts_with("Edit") ? item->Name() + ' ' : "";
            }
        }
        return names;
    };
    Menu()->Lookup("DescriptionMenuItem")->SetShortcut("Shift+Cmd+D");
    App().SetMenuBar(Menu());
    ASSERT_TRUE(QTest::qWaitFor([] { return AboutWnd().IsActive(); }));
    EXPECT_EQ(enabled(), "FileQuit AboutWYB ");

    class ControlWnd& converter = HandedOver();
    EXPECT_EQ(Read(BarOf(converter), "Window", true), "Control Description* About Quorvane* ");
    EXPECT_EQ(enabled(), "FileQuit DescriptionMenuItem AboutMenuItem AboutWYB ");
    EXPECT_FALSE(framework::ChooseMenuItem("ControlMenuItem"));
    EXPECT_EQ(framework::GetImplicitWindow(DescriptionWnd::kClassName), nullptr);

    EXPECT_FALSE(framework::ChooseMenuItem("DescriptionMenuItem"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(DescriptionWnd().TopLevelWidget()));
    EXPECT_EQ(Read(BarOf(DescriptionWnd()), "Window", true),
              "Control* Description About Quorvane* ");
    EXPECT_EQ(enabled(), "FileQuit ControlMenuItem AboutMenuItem AboutWYB ");
    EXPECT_FALSE(framework::ChooseMenuItem("ControlMenuItem"));
    EXPECT_TRUE(QTest::qWaitForWindowActive(converter.TopLevelWidget()));
    // The last pass left Description disabled; its shortcut brings the states up to date first.
    DescriptionWnd().Hide();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_D,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(DescriptionWnd().Visible());

    // Both About items show the one About window; a second choice only brings it to the front.
    const framework::Window* about = &AboutWnd();
    for (const char* itemName : {"AboutMenuItem", "AboutWYB", "AboutWYB"}) {
        EXPECT_FALSE(framework::ChooseMenuItem(itemName)) << itemName;
        EXPECT_TRUE(AboutWnd().Visible() && &AboutWnd() == about) << itemName;
    }
}

// The Edit items serve the focused field without its key filter. In the raw score they apply no
// clearing rule; in a standard score, a paste after a calculation applies the field's own.
TEST_F(MenuBarTest, EditItemsServeTheFocusedFieldPastTheKeyFilter) {
    class ControlWnd& converter = HandedOver();
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
    EXPECT_EQ(field.Text() + converter.zFld().Text(), "12");
    EXPECT_EQ(BeepCount(), 0);

    field.SetText("60");
    converter.wechslerFld().SetFocus();
    EXPECT_TRUE(framework::ChooseMenuItem("EditPaste"));
    EXPECT_EQ(converter.wechslerFld().Text() + converter.zFld().Text() + field.Text(), "ab");
}

} // namespace
