#include "shell/DescriptionText.h"

#include <algorithm>

namespace {

// The file ends each line with a line feed; the text has carriage returns between lines only.
std::string TextFromFileLines(std::string_view fileText) {
    if (fileText.ends_with('\n')) {
        fileText.remove_suffix(1);
    }
    std::string text(fileText);
    std::replace(text.begin(), text.end(), '\n', '\r');
    return text;
}

} // namespace

const std::string& DescriptionText() {
    static const std::string text = TextFromFileLines(DescriptionTextFile());
    return text;
}
