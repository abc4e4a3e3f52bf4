#pragma once

// What tests put in place of the dialogs that would block a test run or make a sound. A test's
// setup installs them; the program's code never sees this header. An empty function leaves the
// real dialog in place.

#include <functional>
#include <optional>
#include <string>

namespace framework::seams {

struct DialogSeams {
    // Called instead of opening a message box; the box counts as dismissed when it returns.
    std::function<void(const std::string& text)> messageBox;
    // Called instead of sounding the system beep.
    std::function<void()> beep;
    // Called instead of opening the printer dialog: the path of a PDF file to print into, or
    // nullopt for a cancelled dialog.
    std::function<std::optional<std::string>()> printerDialog;
};

// Replaces the seams in force; an empty DialogSeams brings every real dialog back.
void SetDialogSeams(DialogSeams seams);
const DialogSeams& CurrentDialogSeams();

} // namespace framework::seams
