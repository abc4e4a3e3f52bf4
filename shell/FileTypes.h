#pragma once

// The document file types the program declares at start-up. The program opens and saves no
// documents; the types are registered once and kept until it ends.

#include "framework/core/runtime/FileType.h"

#include <memory>
#include <vector>

namespace FileTypes {

extern std::vector<std::shared_ptr<framework::FileType>> pAllFileTypes;
extern std::shared_ptr<framework::FileType> pText;
extern std::shared_ptr<framework::FileType> pUntitledType;

// nullptr until Initialize has run.
std::shared_ptr<framework::FileType> Text();
std::shared_ptr<framework::FileType> UntitledType();

// Builds and registers the text type, then the untitled type. Start-up calls it once.
void Initialize();

} // namespace FileTypes
