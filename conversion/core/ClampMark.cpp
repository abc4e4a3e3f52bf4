#include "conversion/core/ClampMark.h"

#include "framework/core/text/NumberText.h"

namespace conversion {

MarkedText SplitMark(std::string_view text) {
    const std::size_t last = text.find_last_not_of(framework::kBlanks);
    if (last == std::string_view::npos || text[last] != kClampMark) {
        return {text, false};
    }
    return {text.substr(0, last), true};
}

} // namespace conversion
