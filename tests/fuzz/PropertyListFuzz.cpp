// Any bytes as a property list: the decoder refuses them with a property-list exception, and
// SetProperties then applies nothing, or it reads entries that SetProperties applies one for one
// and that encode back to the very same bytes. AddressSanitizer watches every read.

#include "framework/core/properties/PropertyList.h"
#include "framework/core/runtime/Exceptions.h"
#include "tests/fuzz/Harness.h"

namespace {

struct RecordingTarget : framework::PropertyTarget {
    void SetProperty(std::string_view name, const framework::PropertyValue& value) override {
        applied.push_back({std::string(name), value});
    }
    std::vector<framework::PropertyEntry> applied;
};

} // namespace

void fuzz::Fuzz(std::string_view list) {
    RecordingTarget target;
    try {
        framework::SetProperties(target, list);
    } catch (const framework::PropertyListException&) {
        Require(target.applied.empty(), "a refused list applied entries");
        return;
    }
    Require(framework::EncodePropertyList(framework::DecodePropertyList(list)) == list &&
                framework::EncodePropertyList(target.applied) == list,
            "a list read back encodes to other bytes");
}
