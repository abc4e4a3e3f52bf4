#pragma once

// The framework's own register of document file types. The program declares its types here at
// start-up; nothing else reads the register, so it keeps what a system would be told and lets
// tests see it.

#include <string>
#include <string_view>
#include <vector>

namespace framework {

struct FileTypeRegistration {
    std::string name;
    std::string macCreator;
    std::string macType;
    std::string extensions;
    std::string uti;

    friend bool operator==(const FileTypeRegistration&, const FileTypeRegistration&) = default;
};

// Adds a registration after those already made; an empty name is a registration like any other.
void RegisterFileType(FileTypeRegistration registration);

// Withdraws the earliest registration made under the name; nothing when there is none.
void WithdrawFileType(std::string_view name);

// The registrations in force, in the order they were made.
const std::vector<FileTypeRegistration>& RegisteredFileTypes();

} // namespace framework
