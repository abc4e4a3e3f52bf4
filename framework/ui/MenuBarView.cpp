#include "framework/ui/MenuBarView.h"

#include <QMenu>

namespace framework {
namespace {

#ifdef Q_OS_MACOS
constexpr Qt::KeyboardModifier kControlKey = Qt::MetaModifier;
#else
constexpr Qt::KeyboardModifier kControlKey = Qt::ControlModifier;
#endif

// Captions are shown as they stand: a "&" is a character, not the mark of a mnemonic.
QString CaptionText(const MenuItem& item) {
    return QString::fromStdString(item.Value()).replace(QChar('&'), QStringLiteral("&&"));
}

// An AppleMenuItem belongs in the application menu, which only macOS has. Elsewhere there is no
// place for it, and in its own menu it would stand beside an item of the same caption.
bool IsShown(const MenuItem& item) {
#ifndef Q_OS_MACOS
    if (item.Kind() == MenuItemKind::Apple) {
        return false;
    }
#endif
    return item.Visible() && !item.Value().empty();
}

// Only the framework's own kinds move to the application menu of macOS; every other item stays
// where the tree puts it, whatever its caption says.
QAction::MenuRole RoleOf(const MenuItem& item) {
    switch (item.Kind()) {
    case MenuItemKind::Quit:
        return QAction::QuitRole;
    case MenuItemKind::Apple:
        return QAction::ApplicationSpecificRole;
    default:
        return QAction::NoRole;
    }
}

} // namespace

QKeySequence KeySequenceOf(const MenuShortcut& shortcut) {
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ControlModifier, shortcut.command);
    modifiers.setFlag(Qt::ShiftModifier, shortcut.shift);
    modifiers.setFlag(Qt::AltModifier, shortcut.alt);
    if (shortcut.control) {
        modifiers |= kControlKey;
    }
    // Qt's key codes of printable ASCII are the characters themselves, letters in upper case.
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(shortcut.key)));
}

std::shared_ptr<MenuItem> ItemWithShortcut(const MenuItem& tree, const QKeySequence& keys) {
    for (const auto& item : tree.Children()) {
        if (!IsShown(*item) || item->IsSeparator()) {
            continue;
        }
        const auto shortcut = ParseShortcut(item->Shortcut());
        if (shortcut && KeySequenceOf(*shortcut) == keys) {
            return item;
        }
        if (auto below = ItemWithShortcut(*item, keys)) {
            return below;
        }
    }
    return nullptr;
}

MenuBarView::MenuBarView(std::shared_ptr<MenuItem> menuBar, UpdateRequest beforeShowing,
                         ChoiceHandler onChoice, QWidget* parent)
    : QMenuBar(parent), tree_(std::move(menuBar)), beforeShowing_(std::move(beforeShowing)),
      onChoice_(std::move(onChoice)) {
    for (const auto& menu : tree_->Children()) {
        AddMenu(menu);
    }
    SyncEnabledStates();
}

void MenuBarView::AddMenu(const std::shared_ptr<MenuItem>& menu) {
    QMenu* shown = addMenu(CaptionText(*menu));
    Track(shown->menuAction(), menu)->setVisible(IsShown(*menu));
    connect(shown, &QMenu::aboutToShow, this, [this] { beforeShowing_(*this); });
    for (const auto& item : menu->Children()) {
        AddItem(*shown, item);
    }
}

void MenuBarView::AddItem(QMenu& menu, const std::shared_ptr<MenuItem>& item) {
    if (item->IsSeparator()) {
        menu.addSeparator();
        return;
    }
    if (!IsShown(*item)) {
        return;
    }
    if (!item->Children().empty()) {
        QMenu* submenu = menu.addMenu(CaptionText(*item));
        Track(submenu->menuAction(), item);
        for (const auto& child : item->Children()) {
            AddItem(*submenu, child);
        }
        return;
    }
    QAction* action = Track(menu.addAction(CaptionText(*item)), item);
    action->setMenuRole(RoleOf(*item));
    if (const auto shortcut = ParseShortcut(item->Shortcut())) {
        action->setShortcut(KeySequenceOf(*shortcut));
    }
    connect(action, &QAction::triggered, this, [this, item] { onChoice_(item); });
}

QAction* MenuBarView::Track(QAction* action, const std::shared_ptr<MenuItem>& item) {
    items_[action] = item;
    return action;
}

void MenuBarView::SyncEnabledStates() {
    for (const auto& [action, item] : items_) {
        action->setEnabled(item->Enabled());
    }
}

} // namespace framework
