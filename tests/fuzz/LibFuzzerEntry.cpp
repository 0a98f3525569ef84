// libFuzzer's entry for a program linked with exactly one target.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzTargets().front().entry({reinterpret_cast<const char*>(data), size});
    return 0;
}
