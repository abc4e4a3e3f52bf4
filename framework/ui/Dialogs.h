#pragma once

// The modal message box and the system beep. Both go through the test seams (TestSeams.h), so a
// test records them instead of blocking on a box or sounding the speaker.

#include <string>

class QWidget;

namespace framework {

// Shows the text in a modal message box, titled with the program's name, and returns once the
// user has dismissed it.
void MsgBox(const std::string& text);

// For the windows, on each activation of a window: whether it only gives the activation back to
// the window that was active when a message box opened, now that the box has closed. That is no
// activation of the window's own; any later one is.
bool IsReturnFromMessageBox(const QWidget& window);

// Sounds the system alert.
void Beep();

} // namespace framework
