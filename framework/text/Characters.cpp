#include "framework/text/Characters.h"

#include <algorithm>

namespace framework {
namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the sequence a lead byte announces, and the payload bits it carries.
struct LeadByte {
    int length = 0;
    std::int64_t bits = 0;
};

LeadByte ReadLead(unsigned char byte) {
    if (byte < 0x80) {
        return {1, byte};
    }
    if ((byte & 0xE0) == 0xC0) {
        return {2, byte & 0x1F};
    }
    if ((byte & 0xF0) == 0xE0) {
        return {3, byte & 0x0F};
    }
    if ((byte & 0xF8) == 0xF0) {
        return {4, byte & 0x07};
    }
    return {0, byte};
}

} // namespace

std::int64_t Len(std::string_view text) {
    return std::count_if(text.begin(), text.end(),
                         [](char c) { return !IsContinuation(static_cast<unsigned char>(c)); });
}

std::int64_t Asc(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const auto first = static_cast<unsigned char>(text.front());
    const LeadByte lead = ReadLead(first);
    if (lead.length == 0 || static_cast<std::size_t>(lead.length) > text.size()) {
        return first;
    }
    std::int64_t code = lead.bits;
    for (int i = 1; i < lead.length; ++i) {
        const auto byte = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
        if (!IsContinuation(byte)) {
            return first;
        }
        code = (code << 6) | (byte & 0x3F);
    }
    return code;
}

// UTF-8 was designed so that comparing its bytes as unsigned numbers orders texts by code point,
// and the standard comparison of char texts compares bytes as unsigned.
int StrComp(std::string_view left, std::string_view right) {
    const int order = left.compare(right);
    return (order > 0) - (order < 0);
}

} // namespace framework
