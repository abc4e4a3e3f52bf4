// Any bytes given as a property list: the decoder either refuses them with a property-list
// exception or reads entries that SetProperties applies one for one and that encode back to the
// very same bytes. AddressSanitizer watches every read against the end of the input.

#include "framework/core/properties/PropertyList.h"
#include "framework/core/runtime/Exceptions.h"
#include "tests/fuzz/FuzzCheck.h"

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using framework::PropertyEntry;
using framework::PropertyValue;

// Doubles and singles compare by their bits: a NaN or a negative zero read from a list must
// reach the target exactly as stored.
bool SameValue(const PropertyValue& left, const PropertyValue& right) {
    if (left.index() != right.index()) {
        return false;
    }
    if (const auto* value = std::get_if<double>(&left)) {
        return std::bit_cast<std::uint64_t>(*value) ==
               std::bit_cast<std::uint64_t>(std::get<double>(right));
    }
    if (const auto* value = std::get_if<float>(&left)) {
        return std::bit_cast<std::uint32_t>(*value) ==
               std::bit_cast<std::uint32_t>(std::get<float>(right));
    }
    return left == right;
}

bool SameEntries(const std::vector<PropertyEntry>& left, const std::vector<PropertyEntry>& right) {
    if (left.size() != right.size()) {
        return false;
    }
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (left[i].name != right[i].name || !SameValue(left[i].value, right[i].value)) {
            return false;
        }
    }
    return true;
}

class RecordingTarget : public framework::PropertyTarget {
public:
    void SetProperty(std::string_view name, const PropertyValue& value) override {
        applied.push_back({std::string(name), value});
    }

    std::vector<PropertyEntry> applied;
};

// A list the decoder refuses must be refused as a whole: a window half built from a broken list
// would show whatever the first entries happened to say.
void CheckRefusedList(std::string_view list) {
    RecordingTarget target;
    bool refused = false;
    try {
        framework::SetProperties(target, list);
    } catch (const framework::PropertyListException&) {
        refused = true;
    }
    fuzz::Require(refused, "SetProperties accepted a list the decoder refuses");
    fuzz::Require(target.applied.empty(), "a refused list applied entries before the fault");
}

void CheckReadList(std::string_view list, const std::vector<PropertyEntry>& decoded) {
    RecordingTarget target;
    framework::SetProperties(target, list);
    fuzz::Require(SameEntries(target.applied, decoded),
                  "SetProperties applied other entries than the decoder read");
    fuzz::Require(framework::EncodePropertyList(decoded) == list,
                  "re-encoding a decoded list changed its bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view list = fuzz::Bytes(data, size);
    std::vector<PropertyEntry> decoded;
    try {
        decoded = framework::DecodePropertyList(list);
    } catch (const framework::PropertyListException&) {
        CheckRefusedList(list);
        return 0;
    }
    CheckReadList(list, decoded);
    return 0;
}
