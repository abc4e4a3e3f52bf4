#include "tests/fuzz/Harness.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Fuzz({reinterpret_cast<const char*>(data), size});
    return 0;
}
