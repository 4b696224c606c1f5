// What the fuzz targets share: the entry libFuzzer calls, and a broken rule
// stopping the run the way a sanitizer's finding does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace velmora::fuzz {

// Aborts with the rule's text when it does not hold: the fuzzer keeps the
// input that broke it.
inline void Require(bool holds, const char* rule) {
    if (!holds) {
        std::fprintf(stderr, "broken rule: %s\n", rule);
        std::abort();
    }
}

}  // namespace velmora::fuzz
