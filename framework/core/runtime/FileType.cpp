#include "framework/core/runtime/FileType.h"

#include "framework/core/runtime/FileTypeRegistry.h"

#include <utility>

namespace framework {

// The registration is withdrawn under the name it was made with, before the name can change.
template <typename Value> void FileType::Change(Value& field, Value value) {
    if (registered_) {
        WithdrawFileType(name_);
        registered_ = false;
    }
    field = std::move(value);
}

void FileType::SetName(std::string value) {
    Change(name_, std::move(value));
}
void FileType::SetExtensions(std::string value) {
    Change(extensions_, std::move(value));
}
void FileType::SetMacType(std::string value) {
    Change(macType_, std::move(value));
}
void FileType::SetMacCreator(std::string value) {
    Change(macCreator_, std::move(value));
}
void FileType::SetMimeType(std::string value) {
    Change(mimeType_, std::move(value));
}
void FileType::SetImported(bool value) {
    Change(imported_, value);
}
void FileType::SetConformsTo(std::string value) {
    Change(conformsTo_, std::move(value));
}
void FileType::SetUTI(std::string value) {
    Change(uti_, std::move(value));
}

FileType::operator std::string() {
    if (!registered_) {
        RegisterFileType({name_, macCreator_, macType_, extensions_, uti_});
        registered_ = true;
    }
    return name_;
}

} // namespace framework
