// The program's menu bar on the windows of the started program.

#include "shell/Menu.h"

#include "conversion/core/Module1.h"
#include "framework/core/menus/MenuItem.h"
#include "framework/ui/MenuBarPresenter.h"
#include "framework/ui/TextField.h"
#include "shell/DescriptionWnd.h"
#include "shell/HandleAboutMenu.h"
#include "tests/shell/StartupFixture.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace {

class MenuBarTest : public startuptest::LaunchedTest {
protected:
    static QMenuBar& BarOf(const framework::Window& window) {
        return *window.TopLevelWidget()->findChild<QMenuBar*>();
    }
    // The captions of a menu's items ("-" for a separator), after each enabled one "*" when the
    // menu is opened, as a click on its title opens it.
    static std::string Read(QMenuBar& bar, int menu, bool open = false) {
        QAction* title = bar.actions()[menu];
        if (open) {
            QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.actionGeometry(title).center());
            EXPECT_TRUE(QTest::qWaitFor([title] { return title->menu()->isVisible(); }));
            title->menu()->hide();
        }
        std::string captions;
        for (const QAction* item : title->menu()->actions()) {
            captions += (item->isSeparator() ? "-" : item->text().toStdString()) +
                        (open && item->isEnabled() ? "* " : " ");
        }
        return captions;
    }
};

// Document windows carry the bar above their content, the About window none. Everything but Quit
// starts each pass disabled; the front window and the application enable their own items, the
// About window none. An opening menu runs the pass itself, so each window's menu is read before
// any other pass. A disabled item's choice reaches nobody.
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
    EXPECT_EQ(AboutWnd().TopLevelWidget()->findChild<QMenuBar*>(), nullptr);
    EXPECT_EQ(enabled(), "FileQuit AboutWYB ");

    class ControlWnd& converter = HandedOver();
    QMenuBar& bar = BarOf(converter);
    EXPECT_GE(converter.Content()->y(), bar.geometry().bottom());
    // The bar keeps the style's colours, not the grey of the About window's edge.
    EXPECT_EQ(bar.palette().color(QPalette::Window),
              QApplication::palette(&bar).color(QPalette::Window));
    std::string menus;
    for (const QAction* title : bar.actions()) {
        menus += title->isVisible() ? title->text().toStdString() + ' ' : "";
    }
    EXPECT_EQ(menus + Read(bar, 1) + Read(bar, 2), "File Edit Window Quit Undo - Cut Copy Paste ");
    EXPECT_EQ(bar.actions()[1]->menu()->actions()[0]->shortcut(), QKeySequence("Ctrl+Q"));
    EXPECT_EQ(Read(bar, 3, true), "Control Description* About Quorvane* ");
    EXPECT_EQ(enabled(), "FileQuit DescriptionMenuItem AboutMenuItem AboutWYB ");
    EXPECT_FALSE(framework::ChooseMenuItem("ControlMenuItem"));
    EXPECT_EQ(framework::GetImplicitWindow(DescriptionWnd::kClassName), nullptr);

    EXPECT_FALSE(framework::ChooseMenuItem("DescriptionMenuItem"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(DescriptionWnd().TopLevelWidget()));
    EXPECT_EQ(Read(BarOf(DescriptionWnd()), 3, true), "Control* Description About Quorvane* ");
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
    // A bar set anew replaces the one shown rather than stacking a second above it.
    App().SetMenuBar(std::make_shared<framework::MenuBar>());
    EXPECT_TRUE(BarOf(converter).actions().isEmpty());
    App().SetMenuBar(Menu());
    EXPECT_EQ(converter.TopLevelWidget()->findChildren<QMenuBar*>().size(), 1);
    EXPECT_EQ(converter.Content()->size(), QSize(535, 445));
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
