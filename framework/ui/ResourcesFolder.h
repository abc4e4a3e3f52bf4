#pragma once

// Where the program's resource files lie: a "resources" folder beside the executable (the build
// tree), the Resources folder of a macOS bundle, or, when neither is there, the installed data
// folder relative to the executable's folder (share/<program> beside bin/). Tests may point the
// lookup at a folder of their own.

#include <filesystem>
#include <string_view>

namespace framework {

// The resources folder of the running program.
std::filesystem::path ResourcesFolder();

// The resources folder of a program whose executable lies in the given folder, unless it is
// installed: a bundle keeps its executable in Contents/MacOS and its resources in
// Contents/Resources.
std::filesystem::path ResourcesFolderOfProgramIn(const std::filesystem::path& programFolder);

// The path of the named file in the resources folder; the file need not exist.
std::filesystem::path ResourcePath(std::string_view fileName);

} // namespace framework

namespace framework::seams {

// Makes ResourcesFolder() answer the given folder; an empty path brings the real lookup back.
void SetResourcesFolder(std::filesystem::path folder);

} // namespace framework::seams
