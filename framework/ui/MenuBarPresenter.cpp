#include "framework/ui/MenuBarPresenter.h"

#include "framework/core/menus/MenuCommands.h"
#include "framework/core/properties/LayoutLists.h"
#include "framework/ui/Application.h"
#include "framework/ui/EditCommands.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/MenuBarView.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/Window.h"
#include "framework/ui/WindowWidget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <memory>
#include <vector>

namespace framework {
namespace {

constexpr int kQuitStatus = 0;

#ifdef Q_OS_MACOS
constexpr bool kGlobalMenuBar = true;
#else
constexpr bool kGlobalMenuBar = false;
#endif

std::shared_ptr<MenuItem> ApplicationTree() {
    const Application* app = GetAppObject();
    return app != nullptr ? app->MenuBar() : nullptr;
}

QPointer<MenuBarView>& GlobalView() {
    static QPointer<MenuBarView> view;
    return view;
}

MenuBarView* ViewOf(const Window& window) {
    return window.TopLevelWidget()->findChild<MenuBarView*>(QString(), Qt::FindDirectChildrenOnly);
}

// Gathered before anything changes: replacing a bar destroys its menus, which are top-level
// widgets of their own.
std::vector<Window*> FrameworkWindows() {
    std::vector<Window*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* shown = dynamic_cast<WindowWidget*>(widget)) {
            windows.push_back(&shown->OwnerWindow());
        }
    }
    return windows;
}

std::vector<MenuBarView*> ViewsOnScreen() {
    std::vector<MenuBarView*> views;
    if (GlobalView()) {
        views.push_back(GlobalView());
    }
    for (const Window* window : FrameworkWindows()) {
        if (MenuBarView* view = ViewOf(*window)) {
            views.push_back(view);
        }
    }
    return views;
}

// The text control's Edit items first, so that the window's own handlers have the last word on
// what they own; then the application.
void RunEnablingPass(MenuItem& tree) {
    Window* front = FrontWindow();
    Application* app = GetAppObject();
    EnableMenuItemsEvent frontEvent;
    if (front != nullptr) {
        frontEvent = [&tree, front] {
            EnableEditItems(tree, *front);
            CallHandler([front] { front->RaiseEvent(WindowEvent::EnableMenuItems); });
        };
    }
    EnableMenuItemsEvent appEvent;
    if (app != nullptr) {
        appEvent = [app] {
            CallHandler([app] { app->RaiseEvent(ApplicationEvent::EnableMenuItems); });
        };
    }
    UpdateMenuStates(tree, frontEvent, appEvent);
    for (MenuBarView* view : ViewsOnScreen()) {
        if (view->Tree().get() == &tree) {
            view->SyncEnabledStates();
        }
    }
}

bool Choose(const MenuItem& item) {
    Window* front = FrontWindow();
    if (front != nullptr && item.Enabled() && ServeEditItem(item, *front)) {
        return true;
    }
    const Application* app = GetAppObject();
    return CallHandler(
        [&item, front, app] {
            return DispatchMenuChoice(item, front ? &front->BoundMenuHandlers() : nullptr,
                                      app ? &app->BoundMenuHandlers() : nullptr,
                                      [] { Quit(kQuitStatus); });
        },
        false);
}

MenuBarView* NewView(const std::shared_ptr<MenuItem>& tree, QWidget* parent) {
    return new MenuBarView(
        tree, [](MenuBarView& view) { RunEnablingPass(*view.Tree()); },
        [](const std::shared_ptr<MenuItem>& item) { Choose(*item); }, parent);
}

void ShowInWindow(Window& window, const std::shared_ptr<MenuItem>& tree) {
    MenuBarView* old = ViewOf(window);
    if (old != nullptr && old->Tree() == tree) {
        return;
    }
    window.SetMenuBarWidget(tree ? NewView(tree, window.TopLevelWidget()) : nullptr);
    delete old;
}

void ShowGlobally(const std::shared_ptr<MenuItem>& tree) {
    if (GlobalView() && GlobalView()->Tree() == tree) {
        return;
    }
    delete GlobalView().data();
    GlobalView() = tree ? NewView(tree, nullptr) : nullptr;
}

QKeySequence KeysOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() &
        (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(event.key())));
}

// A window that shows no bar of its own (the About box, say) still answers the menu shortcuts,
// as the global bar of macOS would.
bool ChooseWithoutBar(const MenuItem& item) {
    Window* front = FrontWindow();
    if (kGlobalMenuBar || front == nullptr || ViewOf(*front) != nullptr) {
        return false;
    }
    Choose(item);
    return true;
}

// Runs the enabling pass before Qt matches a key against the menus' shortcuts, so that a
// shortcut acts on states as fresh as an opened menu shows them; a disabled item's action then
// ignores its shortcut.
class MenuKeyWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool isKey =
            event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
        // A key event climbs from the focus to its window, unless a widget on the way takes it
        // as its own. One that reaches the window is about to be matched against the shortcuts.
        if (!isKey || dynamic_cast<WindowWidget*>(watched) == nullptr) {
            return false;
        }
        const auto tree = ApplicationTree();
        const auto item =
            tree ? ItemWithShortcut(*tree, KeysOf(static_cast<QKeyEvent&>(*event))) : nullptr;
        if (item == nullptr) {
            return false;
        }
        if (event->type() == QEvent::ShortcutOverride) {
            RunEnablingPass(*tree);
            return false;
        }
        return ChooseWithoutBar(*item);
    }
};

void WatchMenuKeys() {
    static QPointer<MenuKeyWatcher> watcher;
    if (watcher.isNull()) {
        watcher = new MenuKeyWatcher(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(watcher);
    }
}

} // namespace

void AttachMenuBar(Window& window) {
    WatchMenuKeys();
    if (!kGlobalMenuBar && window.Type() == kDocumentWindow) {
        ShowInWindow(window, ApplicationTree());
    }
}

void ShowApplicationMenuBar() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return;
    }
    WatchMenuKeys();
    if (kGlobalMenuBar) {
        ShowGlobally(ApplicationTree());
        return;
    }
    for (Window* window : FrameworkWindows()) {
        AttachMenuBar(*window);
    }
}

void RefreshMenuStates() {
    if (const auto tree = ApplicationTree()) {
        RunEnablingPass(*tree);
    }
}

bool ChooseMenuItem(std::string_view itemName) {
    const auto tree = ApplicationTree();
    const auto item = tree ? tree->Lookup(itemName) : nullptr;
    if (item == nullptr) {
        MenuItem unlisted;
        unlisted.SetName(std::string(itemName));
        return Choose(unlisted);
    }
    RunEnablingPass(*tree);
    return Choose(*item);
}

} // namespace framework
