#include "framework/ui/ResourcesFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <system_error>
#include <utility>

namespace framework {

namespace {

std::filesystem::path& FolderOverride() {
    static std::filesystem::path folder;
    return folder;
}

} // namespace

std::filesystem::path ResourcesFolder() {
    if (!FolderOverride().empty()) {
        return FolderOverride();
    }
    const std::filesystem::path programFolder =
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    const std::filesystem::path beside = ResourcesFolderOfProgramIn(programFolder);
    std::error_code unreadable;
    if (std::filesystem::is_directory(beside, unreadable)) {
        return beside;
    }
    // The build names the installed folder, so it follows the install layout it was given.
    return (programFolder / INSTALLED_RESOURCES_FROM_PROGRAM).lexically_normal();
}

std::filesystem::path ResourcesFolderOfProgramIn(const std::filesystem::path& programFolder) {
    const std::filesystem::path folder = programFolder.lexically_normal();
    // A trailing separator leaves an empty last element; the folder's own name comes before it.
    const std::filesystem::path inner = folder.has_filename() ? folder : folder.parent_path();
    if (inner.filename() == "MacOS" && inner.parent_path().filename() == "Contents") {
        return inner.parent_path() / "Resources";
    }
    return inner / "resources";
}

std::filesystem::path ResourcePath(std::string_view fileName) {
    return ResourcesFolder() / std::filesystem::path(fileName);
}

} // namespace framework

namespace framework::seams {

void SetResourcesFolder(std::filesystem::path folder) {
    framework::FolderOverride() = std::move(folder);
}

} // namespace framework::seams
