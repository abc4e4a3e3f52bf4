#pragma once

// The keyboard focus order of a window: the controls that Tab stops at, ordered by their
// parents first and then by TabIndex among the controls of one parent, so the controls inside a
// frame are visited where the frame stands in its own parent's order. Equal places keep
// creation order.

#include <vector>

namespace framework {

class Control;
class RectControl;

// The Tab stops among the controls (given in creation order), in focus order.
std::vector<RectControl*> TabChain(const std::vector<Control*>& controls);

// Makes Tab visit the widgets of the controls in the given order.
void ApplyTabOrder(const std::vector<RectControl*>& chain);

} // namespace framework
