// The menu bar on real widgets: where it shows, what it shows, enabling per front window through
// an opening menu and through shortcuts, dispatch by name, the quit item and the Edit items.

#include "framework/menus/MenuItem.h"
#include "framework/ui/Application.h"
#include "framework/ui/Delegates.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/MenuBarPresenter.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/TextField.h"
#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <cctype>
#include <string>
#include <vector>

namespace {

using framework::MenuItemKind;

struct Calls {
    std::vector<std::string> handlers;
    std::vector<std::string> keys;
    bool windowHandlesShared = false;
};

Calls& Journal() {
    static Calls calls;
    return calls;
}

void Enable(std::string_view name) {
    framework::GetAppObject()->MenuBar()->Lookup(name)->SetEnabled(true);
}

framework::MenuHandler Recorder(std::string what, bool result = false) {
    return [what = std::move(what), result] {
        Journal().handlers.push_back(what);
        return result;
    };
}

struct Row {
    const char* parent;
    const char* name;
    MenuItemKind kind;
    const char* caption;
    const char* shortcut;
};

// Shaped like the program's bar: two empty menus around File, Edit and Window.
constexpr Row kRows[] = {
    {"", "TopEmpty", MenuItemKind::Item, "", ""},
    {"", "FileMenu", MenuItemKind::Item, "File", ""},
    {"FileMenu", "FileQuit", MenuItemKind::Quit, "Quit", "Cmd+Q"},
    {"FileMenu", "FileBlank", MenuItemKind::Item, "", ""},
    {"", "EditMenu", MenuItemKind::Item, "Edit", ""},
    {"EditMenu", "EditUndo", MenuItemKind::Item, "Undo", "Cmd+Z"},
    {"EditMenu", "EditLine", MenuItemKind::Item, "-", ""},
    {"EditMenu", "EditCut", MenuItemKind::Item, "Cut", "Cmd+X"},
    {"EditMenu", "EditCopy", MenuItemKind::Item, "Copy", "Cmd+C"},
    {"EditMenu", "EditPaste", MenuItemKind::Item, "Paste", "Cmd+V"},
    {"EditMenu", "EditClear", MenuItemKind::Item, "", ""},
    {"", "WindowMenu", MenuItemKind::Item, "Window", ""},
    {"WindowMenu", "FirstItem", MenuItemKind::Item, "First", ""},
    {"WindowMenu", "SecondItem", MenuItemKind::Item, "Second", "Shift+Cmd+D"},
    {"WindowMenu", "SharedItem", MenuItemKind::Item, "Shared", ""},
    // Off macOS there is no application menu to hold it, so it is not shown.
    {"WindowMenu", "AppMenuItem", MenuItemKind::Apple, "About Demo", ""},
    {"", "LastEmpty", MenuItemKind::Item, "", ""},
};

std::shared_ptr<framework::MenuBar> DemoBar() {
    auto bar = std::make_shared<framework::MenuBar>();
    for (const Row& row : kRows) {
        auto item = framework::NewMenuItem(row.kind);
        item->SetName(row.name);
        item->SetValue(row.caption);
        item->SetShortcut(row.shortcut);
        item->SetAutoEnabled(row.kind == MenuItemKind::Quit);
        (*row.parent ? bar->Child(row.parent) : bar)->AddMenu(std::move(item));
    }
    return bar;
}

class DemoApp : public framework::Application {
public:
    DemoApp() : Application(Events()) {
        AddMenuHandler("SharedItem", Recorder("app SharedItem"));
        AddMenuHandler("SecondItem", Recorder("app SecondItem"));
    }

private:
    static const framework::ApplicationEventTable& Events() {
        static const auto table = framework::ApplicationEventTable().On(
            framework::ApplicationEvent::EnableMenuItems, &DemoApp::Event_EnableMenuItems);
        return table;
    }
    void Event_EnableMenuItems() { Enable("SharedItem"); }
};

// Window 1 owns FirstItem and also answers SharedItem and the unlisted name Print; window 2
// owns SecondItem, which only the application answers. Window 3 is of a kind without a bar.
template <int N> class MenuDemoWnd : public framework::Window {
public:
    static constexpr std::string_view kClassName = N == 1   ? "MenuDemoWnd.First"
                                                   : N == 2 ? "MenuDemoWnd.Second"
                                                            : "MenuDemoWnd.Box";

    framework::TextField& entryFld() {
        return *framework::RuntimeCheckCast<framework::TextField>(ControlByName("entryFld"));
    }

private:
    friend class framework::WindowFactory;
    MenuDemoWnd() : Window(std::string(kClassName), Events()) {}

    static const framework::WindowEventTable& Events() {
        using framework::WindowEvent;
        static const auto table =
            framework::WindowEventTable()
                .On(WindowEvent::Layout, &MenuDemoWnd::Layout)
                .On(WindowEvent::CreateControls, &MenuDemoWnd::CreateControls)
                .OnAddMenuHandlers(&MenuDemoWnd::AddMenuHandlers)
                .On(WindowEvent::EnableMenuItems, &MenuDemoWnd::Event_EnableMenuItems);
        return table;
    }

    void Layout() {
        framework::SetProperties(*this, framework::EncodePropertyList({
                                            {"Width", std::int64_t{240}},
                                            {"Height", std::int64_t{120}},
                                            {"Type", std::int64_t{N == 3 ? 2 : 0}},
                                            {"Title", std::string(kClassName)},
                                            {"Resizeable", false},
                                            {"Visible", true},
                                        }));
    }
    void CreateControls() {
        AddControl("entryFld", New<framework::TextField>());
        entryFld().SetLeft(20);
        entryFld().SetTop(30);
        entryFld().BindKeyDown([](framework::TextField&, const std::string& key) {
            Journal().keys.push_back(key);
            return !std::isdigit(static_cast<unsigned char>(key[0]));
        });
    }
    void AddMenuHandlers(framework::Window&) {
        if constexpr (N == 1) {
            AddMenuHandler("FirstItem", Recorder("first FirstItem"));
            AddMenuHandler("SharedItem", [] {
                Journal().handlers.push_back("first SharedItem");
                return Journal().windowHandlesShared;
            });
            AddMenuHandler("Print", Recorder("first Print"));
        }
    }
    void Event_EnableMenuItems() { Enable(N == 1 ? "FirstItem" : "SecondItem"); }
};

template <int N> MenuDemoWnd<N>& Wnd() {
    return framework::ImplicitInstance<MenuDemoWnd<N>>();
}

class MenuBarTest : public guitest::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Journal() = {};
        framework::RuntimeRegisterAppObject(std::make_unique<DemoApp>());
        framework::GetAppObject()->SetMenuBar(DemoBar());
    }
    void TearDown() override {
        framework::DestroyAllWindows();
        framework::ReleaseAppObject();
        GuiTest::TearDown();
    }

    template <int N> MenuDemoWnd<N>& Front() {
        auto& window = Wnd<N>();
        window.Show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.TopLevelWidget()));
        return window;
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
    // Opens the menu as a click on its title does, and reads its items' states.
    static std::vector<std::pair<std::string, bool>> OpenAndRead(QMenuBar& bar,
                                                                 const QString& caption) {
        QMenu* menu = MenuOf(bar, caption);
        QTest::mouseClick(&bar, Qt::LeftButton, {},
                          bar.actionGeometry(menu->menuAction()).center());
        EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
        std::vector<std::pair<std::string, bool>> states;
        for (const QAction* action : menu->actions()) {
            states.emplace_back(action->isSeparator() ? "-" : action->text().toStdString(),
                                action->isEnabled());
        }
        menu->hide();
        return states;
    }
};

TEST_F(MenuBarTest, DocumentWindowShowsTheBarAboveItsContent) {
    auto& window = Front<1>();
    QMenuBar* bar = BarOf(window);
    ASSERT_NE(bar, nullptr);
    EXPECT_GE(window.Content()->y(), bar->geometry().bottom());
    EXPECT_EQ(window.Content()->size(), QSize(240, 120));
    EXPECT_EQ(window.entryFld().Widget()->mapTo(window.Content(), QPoint()), QPoint(20, 30));
    // The bar keeps the style's own colours, not those of the edge a borderless window draws.
    EXPECT_EQ(bar->palette().color(QPalette::Window),
              QApplication::palette(bar).color(QPalette::Window));

    QStringList visibleMenus;
    for (const QAction* action : bar->actions()) {
        if (action->isVisible()) {
            visibleMenus << action->text();
        }
    }
    EXPECT_EQ(visibleMenus, QStringList({"File", "Edit", "Window"}));
    QStringList editItems;
    for (const QAction* action : MenuOf(*bar, "Edit")->actions()) {
        editItems << (action->isSeparator() ? "-" : action->text());
    }
    EXPECT_EQ(editItems, QStringList({"Undo", "-", "Cut", "Copy", "Paste"}));
    EXPECT_EQ(MenuOf(*bar, "File")->actions().size(), 1);
    EXPECT_EQ(MenuOf(*bar, "File")->actions()[0]->shortcut(), QKeySequence("Ctrl+Q"));
    EXPECT_EQ(MenuOf(*bar, "Window")->actions()[1]->shortcut(), QKeySequence("Ctrl+Shift+D"));

    EXPECT_EQ(BarOf(Front<3>()), nullptr);
}

TEST_F(MenuBarTest, BarSetAfterTheWindowIsBuiltReplacesTheOneShown) {
    framework::GetAppObject()->SetMenuBar(nullptr);
    auto& window = Front<1>();
    EXPECT_EQ(BarOf(window), nullptr);
    for (int set = 0; set < 2; ++set) {
        framework::GetAppObject()->SetMenuBar(DemoBar());
        EXPECT_EQ(window.TopLevelWidget()->findChildren<QMenuBar*>().size(), 1);
    }
    EXPECT_EQ(window.Content()->size(), QSize(240, 120));
}

TEST_F(MenuBarTest, OpeningAMenuEnablesWhatTheFrontWindowAndApplicationOwn) {
    const std::vector<std::pair<std::string, bool>> firstInFront = {
        {"First", true}, {"Second", false}, {"Shared", true}};
    EXPECT_EQ(OpenAndRead(*BarOf(Front<1>()), "Window"), firstInFront);
    EXPECT_EQ(OpenAndRead(*BarOf(Front<1>()), "File"),
              (std::vector<std::pair<std::string, bool>>{{"Quit", true}}));

    const std::vector<std::pair<std::string, bool>> secondInFront = {
        {"First", false}, {"Second", true}, {"Shared", true}};
    EXPECT_EQ(OpenAndRead(*BarOf(Front<2>()), "Window"), secondInFront);
}

TEST_F(MenuBarTest, ChoiceGoesToTheFrontWindowThenTheApplication) {
    Front<1>();
    EXPECT_FALSE(framework::ChooseMenuItem("SharedItem"));
    Journal().windowHandlesShared = true;
    EXPECT_TRUE(framework::ChooseMenuItem("SharedItem"));
    EXPECT_FALSE(framework::ChooseMenuItem("Print"));
    // Disabled while window 1 is in front: nobody hears of it.
    EXPECT_FALSE(framework::ChooseMenuItem("SecondItem"));
    EXPECT_EQ(Journal().handlers, (std::vector<std::string>{"first SharedItem", "app SharedItem",
                                                            "first SharedItem", "first Print"}));

    Journal().handlers.clear();
    Front<2>();
    framework::ChooseMenuItem("SharedItem");
    framework::ChooseMenuItem("SecondItem");
    EXPECT_EQ(Journal().handlers, (std::vector<std::string>{"app SharedItem", "app SecondItem"}));
}

TEST_F(MenuBarTest, ShortcutActsOnStatesFreshForTheWindowInFront) {
    QMenuBar* firstBar = BarOf(Front<1>());
    OpenAndRead(*firstBar, "Window");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_D,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Journal().handlers.empty());

    // The last menu opened left SecondItem disabled; the shortcut brings it up to date first.
    Front<2>();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_D,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Journal().handlers, std::vector<std::string>{"app SecondItem"});
}

TEST_F(MenuBarTest, QuitItemEndsTheLoopWithStatusZeroFromAnyWindow) {
    for (QWidget* (*front)() :
         {+[] { return Wnd<1>().TopLevelWidget(); }, +[] { return Wnd<3>().TopLevelWidget(); }}) {
        int argc = 1;
        char name[] = "quorvane";
        char* argv[] = {name, nullptr};
        framework::RuntimeInit(argc, argv);
        QWidget* window = front();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        framework::RunFrameworkInitialization(
            [window] { QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier); });
        // Ends a loop that the quit item failed to end, and dies with this pass.
        QTimer fallback;
        QObject::connect(&fallback, &QTimer::timeout, [] { framework::Quit(7); });
        fallback.start(2000);
        framework::RuntimeRun();
        EXPECT_EQ(framework::RuntimeExit(), 0);
    }
}

TEST_F(MenuBarTest, EditItemsServeTheFocusedFieldWithoutItsKeyFilter) {
    auto& field = Front<1>().entryFld();
    field.SetText("12345");
    field.SetFocus();
    auto& edit = static_cast<QLineEdit&>(*field.Widget());

    framework::RefreshMenuStates();
    const auto bar = framework::GetAppObject()->MenuBar();
    EXPECT_FALSE(bar->Lookup("EditCopy")->Enabled());
    EXPECT_FALSE(bar->Lookup("EditCut")->Enabled());

    edit.setSelection(1, 3);
    EXPECT_TRUE(framework::ChooseMenuItem("EditCopy"));
    EXPECT_EQ(QApplication::clipboard()->text(), "234");
    EXPECT_TRUE(framework::ChooseMenuItem("EditCut"));
    EXPECT_EQ(field.Text(), "15");

    // Letters that the field's key filter refuses still arrive by Paste.
    QApplication::clipboard()->setText("ab");
    edit.setCursorPosition(1);
    EXPECT_TRUE(framework::ChooseMenuItem("EditPaste"));
    EXPECT_EQ(field.Text(), "1ab5");
    EXPECT_TRUE(framework::ChooseMenuItem("EditUndo"));
    EXPECT_EQ(field.Text(), "15");
    edit.selectAll();
    EXPECT_TRUE(framework::ChooseMenuItem("EditClear"));
    EXPECT_EQ(field.Text(), "");
    EXPECT_TRUE(Journal().keys.empty());

    field.SetReadOnly(true);
    framework::RefreshMenuStates();
    EXPECT_FALSE(bar->Lookup("EditPaste")->Enabled());
}

} // namespace
