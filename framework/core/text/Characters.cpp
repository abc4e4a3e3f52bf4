#include "framework/core/text/Characters.h"

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

// The length of the well-formed sequence at the front of the text, or 0 where the front byte
// does not start one: such a byte stands for itself.
int SequenceLength(std::string_view text) {
    const LeadByte lead = ReadLead(static_cast<unsigned char>(text.front()));
    if (lead.length == 0 || static_cast<std::size_t>(lead.length) > text.size()) {
        return 0;
    }
    for (int i = 1; i < lead.length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[static_cast<std::size_t>(i)]))) {
            return 0;
        }
    }
    return lead.length;
}

} // namespace

std::int64_t Len(std::string_view text) {
    std::int64_t characters = 0;
    while (!text.empty()) {
        text.remove_prefix(static_cast<std::size_t>(std::max(SequenceLength(text), 1)));
        ++characters;
    }
    return characters;
}

std::int64_t Asc(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const int length = SequenceLength(text);
    const auto first = static_cast<unsigned char>(text.front());
    if (length == 0) {
        return first;
    }
    std::int64_t code = ReadLead(first).bits;
    for (int i = 1; i < length; ++i) {
        code = (code << 6) | (static_cast<unsigned char>(text[static_cast<std::size_t>(i)]) & 0x3F);
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
