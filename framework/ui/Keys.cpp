#include "framework/ui/Keys.h"

#include <array>
#include <utility>

namespace framework {
namespace {

constexpr std::array<std::pair<int, char>, 15> kKeyCodes{{
    {Qt::Key_Backspace, 8},
    {Qt::Key_Delete, 127},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Escape, 27},
    {Qt::Key_Left, 28},
    {Qt::Key_Right, 29},
    {Qt::Key_Up, 30},
    {Qt::Key_Down, 31},
    {Qt::Key_Home, 1},
    {Qt::Key_End, 4},
    {Qt::Key_PageUp, 11},
    {Qt::Key_PageDown, 12},
}};

std::optional<std::string> ControlCode(const QKeyEvent& event) {
    for (const auto& [key, code] : kKeyCodes) {
        if (event.key() == key) {
            return std::string(1, code);
        }
    }
    return std::nullopt;
}

bool IsModifierAlone(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_unknown:
        return true;
    default:
        return false;
    }
}

} // namespace

std::optional<std::string> KeyDownText(const QKeyEvent& event) {
    if (event.modifiers().testFlag(Qt::ControlModifier)) {
        return std::nullopt;
    }
    if (const auto code = ControlCode(event)) {
        return code;
    }
    if (event.text().isEmpty()) {
        return std::nullopt;
    }
    return event.text().toStdString();
}

std::optional<std::string> WindowKeyDownText(const QKeyEvent& event) {
    if (IsModifierAlone(event)) {
        return std::nullopt;
    }
    if (const auto code = ControlCode(event)) {
        return code;
    }
    return event.text().toStdString();
}

} // namespace framework
