#pragma once

// A document file type the program declares. Its fields can be set at any time; a type becomes
// registered the first time it is converted to a string, and a change to a registered type
// withdraws the registration so that the next conversion registers the changed type.

#include <string>

namespace framework {

class FileType {
public:
    const std::string& Name() const { return name_; }
    const std::string& Extensions() const { return extensions_; }
    const std::string& MacType() const { return macType_; }
    const std::string& MacCreator() const { return macCreator_; }
    const std::string& MimeType() const { return mimeType_; }
    bool Imported() const { return imported_; }
    const std::string& ConformsTo() const { return conformsTo_; }
    const std::string& UTI() const { return uti_; }

    void SetName(std::string value);
    void SetExtensions(std::string value);
    void SetMacType(std::string value);
    void SetMacCreator(std::string value);
    void SetMimeType(std::string value);
    void SetImported(bool value);
    void SetConformsTo(std::string value);
    void SetUTI(std::string value);

    // Registers the type unless it is registered already, and yields its name.
    explicit operator std::string();

private:
    template <typename Value> void Change(Value& field, Value value);

    std::string name_;
    std::string extensions_;
    std::string macType_;
    std::string macCreator_;
    std::string mimeType_;
    bool imported_ = false;
    std::string conformsTo_;
    std::string uti_;
    bool registered_ = false;
};

} // namespace framework
