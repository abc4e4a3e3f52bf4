#include "shell/DescriptionText.h"

#include <algorithm>

std::string DescriptionTextFromFile(std::string_view fileText) {
    if (fileText.ends_with('\n')) {
        fileText.remove_suffix(1);
    }
    std::string text(fileText);
    std::replace(text.begin(), text.end(), '\n', '\r');
    return text;
}

const std::string& DescriptionText() {
    static const std::string text = DescriptionTextFromFile(DescriptionTextFile());
    return text;
}
