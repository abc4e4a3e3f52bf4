#include "framework/ui/TabOrder.h"

#include "framework/ui/RectControl.h"

#include <QWidget>
#include <algorithm>

namespace framework {
namespace {

// The TabIndex of each ancestor from the window down, then the control's own.
std::vector<int> TabPath(const RectControl& control) {
    std::vector<int> path;
    for (const RectControl* step = &control; step != nullptr; step = step->Parent()) {
        path.push_back(step->TabIndex());
    }
    std::reverse(path.begin(), path.end());
    return path;
}

bool IsTabStop(const RectControl& control) {
    const QWidget* widget = control.Widget();
    return widget != nullptr && (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

} // namespace

std::vector<RectControl*> TabChain(const std::vector<Control*>& controls) {
    std::vector<RectControl*> chain;
    for (Control* control : controls) {
        auto* placed = dynamic_cast<RectControl*>(control);
        if (placed != nullptr && IsTabStop(*placed)) {
            chain.push_back(placed);
        }
    }
    std::stable_sort(chain.begin(), chain.end(),
                     [](const RectControl* left, const RectControl* right) {
                         return TabPath(*left) < TabPath(*right);
                     });
    return chain;
}

void ApplyTabOrder(const std::vector<RectControl*>& chain) {
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1]->Widget(), chain[i]->Widget());
    }
}

} // namespace framework
