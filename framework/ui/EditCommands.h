#pragma once

// The Edit menu of the framework's text fields and text areas: while one of them has the focus
// in the front window, the framework itself serves the items named EditUndo, EditCut, EditCopy,
// EditPaste and EditClear, and enables each of them when it would do something there. An edit
// made this way goes straight to the text, not through KeyDown, so no key filter sees it; a text
// field's TextEdited handler does hear of it.

#include "framework/core/menus/MenuItem.h"

namespace framework {

class Window;

// Enables the Edit items of the tree that apply to the window's focused text control, if any.
void EnableEditItems(MenuItem& tree, Window& window);

// Acts on the window's focused text control when the item is one of the Edit items. False when
// the item is no Edit item or no text control of the window has the focus.
bool ServeEditItem(const MenuItem& item, Window& window);

} // namespace framework
