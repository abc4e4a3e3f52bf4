#include "framework/ui/EditCommands.h"

#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Window.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QTextEdit>
#include <array>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>

namespace framework {
namespace {

enum class EditAction { Undo, Cut, Copy, Paste, Clear };

constexpr std::array<std::pair<std::string_view, EditAction>, 5> kEditItems{{
    {"EditUndo", EditAction::Undo},
    {"EditCut", EditAction::Cut},
    {"EditCopy", EditAction::Copy},
    {"EditPaste", EditAction::Paste},
    {"EditClear", EditAction::Clear},
}};

using TextControl = std::variant<QLineEdit*, QTextEdit*>;

std::optional<EditAction> EditActionNamed(std::string_view name) {
    for (const auto& [itemName, action] : kEditItems) {
        if (itemName == name) {
            return action;
        }
    }
    return std::nullopt;
}

// Only the window's own text controls count: the focus may sit in some other widget.
std::optional<TextControl> FocusedTextControl(const Window& window) {
    const QWidget* focus = window.TopLevelWidget()->focusWidget();
    if (focus == nullptr) {
        return std::nullopt;
    }
    for (Control* control : window.Controls()) {
        if (auto* field = dynamic_cast<TextField*>(control); field && field->Widget() == focus) {
            return static_cast<QLineEdit*>(field->Widget());
        }
        if (auto* area = dynamic_cast<TextArea*>(control); area && area->Widget() == focus) {
            return static_cast<QTextEdit*>(area->Widget());
        }
    }
    return std::nullopt;
}

bool ClipboardHasText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText() && !data->text().isEmpty();
}

// A password field gives nothing away: its text is never cut or copied.
bool Applies(const QLineEdit& field, EditAction action) {
    const bool writable = !field.isReadOnly();
    const bool readable = field.echoMode() == QLineEdit::Normal;
    switch (action) {
    case EditAction::Undo:
        return writable && field.isUndoAvailable();
    case EditAction::Cut:
        return writable && readable && field.hasSelectedText();
    case EditAction::Copy:
        return readable && field.hasSelectedText();
    case EditAction::Paste:
        return writable && ClipboardHasText();
    case EditAction::Clear:
        return writable && field.hasSelectedText();
    }
    return false;
}

bool Applies(const QTextEdit& area, EditAction action) {
    const bool writable = !area.isReadOnly();
    const bool selected = area.textCursor().hasSelection();
    switch (action) {
    case EditAction::Undo:
        return writable && area.document()->isUndoAvailable();
    case EditAction::Cut:
    case EditAction::Clear:
        return writable && selected;
    case EditAction::Copy:
        return selected;
    case EditAction::Paste:
        return area.canPaste();
    }
    return false;
}

void DeleteSelection(QLineEdit& field) {
    field.del();
}

void DeleteSelection(QTextEdit& area) {
    area.textCursor().removeSelectedText();
}

// QLineEdit and QTextEdit name their undo and clipboard commands alike.
template <class Edit> void Perform(Edit& edit, EditAction action) {
    switch (action) {
    case EditAction::Undo:
        edit.undo();
        break;
    case EditAction::Cut:
        edit.cut();
        break;
    case EditAction::Copy:
        edit.copy();
        break;
    case EditAction::Paste:
        edit.paste();
        break;
    case EditAction::Clear:
        DeleteSelection(edit);
        break;
    }
}

} // namespace

void EnableEditItems(MenuItem& tree, Window& window) {
    const auto control = FocusedTextControl(window);
    if (!control) {
        return;
    }
    for (const auto& [itemName, action] : kEditItems) {
        const auto item = tree.Lookup(itemName);
        if (item && std::visit([action](auto* edit) { return Applies(*edit, action); }, *control)) {
            item->SetEnabled(true);
        }
    }
}

bool ServeEditItem(const MenuItem& item, Window& window) {
    const auto action = EditActionNamed(item.Name());
    const auto control = action ? FocusedTextControl(window) : std::nullopt;
    if (!control) {
        return false;
    }
    std::visit(
        [action](auto* edit) {
            if (Applies(*edit, *action)) {
                Perform(*edit, *action);
            }
        },
        *control);
    return true;
}

} // namespace framework
