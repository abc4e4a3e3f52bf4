#include "framework/core/runtime/FileTypeRegistry.h"

#include <algorithm>
#include <utility>

namespace framework {

namespace {

std::vector<FileTypeRegistration>& Registrations() {
    static std::vector<FileTypeRegistration> registrations;
    return registrations;
}

} // namespace

void RegisterFileType(FileTypeRegistration registration) {
    Registrations().push_back(std::move(registration));
}

void WithdrawFileType(std::string_view name) {
    auto& registrations = Registrations();
    const auto found = std::find_if(registrations.begin(), registrations.end(),
                                    [name](const auto& entry) { return entry.name == name; });
    if (found != registrations.end()) {
        registrations.erase(found);
    }
}

const std::vector<FileTypeRegistration>& RegisteredFileTypes() {
    return Registrations();
}

} // namespace framework
