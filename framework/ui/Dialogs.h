#pragma once

// The modal message box and the system beep. Both go through the test seams (TestSeams.h), so a
// test records them instead of blocking on a box or sounding the speaker.

#include <string>

namespace framework {

// Shows the text in a modal message box and returns once the user has dismissed it.
void MsgBox(const std::string& text);

// Sounds the system alert.
void Beep();

} // namespace framework
