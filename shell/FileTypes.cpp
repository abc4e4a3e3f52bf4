#include "shell/FileTypes.h"

#include <string>

namespace FileTypes {

std::vector<std::shared_ptr<framework::FileType>> pAllFileTypes;
std::shared_ptr<framework::FileType> pText;
std::shared_ptr<framework::FileType> pUntitledType;

namespace {

struct FileTypeFields {
    const char* name;
    const char* macType;
    const char* macCreator;
};

// The fields are set in one fixed order, every one of them, whatever its value.
std::shared_ptr<framework::FileType> MakeFileType(const FileTypeFields& fields) {
    auto type = std::make_shared<framework::FileType>();
    type->SetName(fields.name);
    type->SetExtensions("");
    type->SetMacType(fields.macType);
    type->SetMacCreator(fields.macCreator);
    type->SetMimeType("");
    type->SetImported(true);
    type->SetConformsTo("");
    return type;
}

// Converting a type to text is what registers it; the text itself is of no use here.
void Register(framework::FileType& type) {
    static_cast<void>(static_cast<std::string>(type));
}

} // namespace

std::shared_ptr<framework::FileType> Text() {
    return pText;
}

std::shared_ptr<framework::FileType> UntitledType() {
    return pUntitledType;
}

void Initialize() {
    pText = MakeFileType({"text", "TEXT", "R*ch"});
    pAllFileTypes.push_back(pText);
    Register(*Text());

    pUntitledType = MakeFileType({"", "", ""});
    pAllFileTypes.push_back(pUntitledType);
    Register(*UntitledType());
}

} // namespace FileTypes
