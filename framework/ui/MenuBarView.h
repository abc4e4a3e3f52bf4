#pragma once

// The menu tree on screen: one QMenuBar built from the application's MenuBar, with one QAction
// per item. The view holds no state of its own: before a menu opens it asks for the enabling
// pass and then copies each item's Enabled onto its action; a chosen action is handed back by
// its item. An item with an empty caption shows nothing a user can click, and "-" is a
// separator.

#include "framework/core/menus/MenuItem.h"
#include "framework/core/menus/MenuShortcut.h"

#include <QKeySequence>
#include <QMenuBar>
#include <functional>
#include <map>
#include <memory>

namespace framework {

// The notation's command key is Qt's Ctrl, which Qt itself shows as Command on macOS; the
// notation's own Ctrl is the Control key, Qt's Meta on macOS.
QKeySequence KeySequenceOf(const MenuShortcut& shortcut);

// The item below the tree whose shortcut is the key combination, among the items a user can
// see and reach; nullptr when there is none.
std::shared_ptr<MenuItem> ItemWithShortcut(const MenuItem& tree, const QKeySequence& keys);

class MenuBarView : public QMenuBar {
public:
    using UpdateRequest = std::function<void(MenuBarView&)>;
    using ChoiceHandler = std::function<void(const std::shared_ptr<MenuItem>&)>;

    // parent is the window the bar sits in, or nullptr for the one global bar of macOS.
    MenuBarView(std::shared_ptr<MenuItem> menuBar, UpdateRequest beforeShowing,
                ChoiceHandler onChoice, QWidget* parent);

    const std::shared_ptr<MenuItem>& Tree() const { return tree_; }
    // Brings every action in line with its item's Enabled.
    void SyncEnabledStates();

private:
    void AddMenu(const std::shared_ptr<MenuItem>& menu);
    void AddItem(QMenu& menu, const std::shared_ptr<MenuItem>& item);
    QAction* Track(QAction* action, const std::shared_ptr<MenuItem>& item);

    std::shared_ptr<MenuItem> tree_;
    UpdateRequest beforeShowing_;
    ChoiceHandler onChoice_;
    std::map<QAction*, std::shared_ptr<MenuItem>> items_;
};

} // namespace framework
