#pragma once

// What the desktop knows the program by: every window, message boxes included, carries the
// program's icon, and the windows name the program's desktop entry, by which desktops match them
// to it. The build names both after the files it installs, so the windows and the installed entry
// and icon agree.

#include <memory>

namespace framework {

class Picture;

// Gives the running application its icon and its desktop entry. Without the icon's picture the
// windows carry no icon of their own, and nothing is said: a copy of the program without its
// pictures is no error.
void IdentifyToDesktop();

// The program's icon, read from the resources as any picture is, once for the windows and
// whatever else shows it.
std::shared_ptr<Picture> ProgramIcon();

} // namespace framework
