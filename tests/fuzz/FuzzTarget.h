#pragma once

#include <string_view>
#include <vector>

// A decoder's fuzz entry: takes any bytes, must neither crash nor break the decoder's promises
// (a broken promise stops the program through FuzzCheck).
using FuzzEntry = void (*)(std::string_view bytes);

struct FuzzTarget {
    const char* name;  // also the folder of its seeds under tests/fuzz/ and tests/fuzz/findings/
    FuzzEntry entry;
};

// Every target linked into the program, in no particular order.
std::vector<FuzzTarget>& FuzzTargets();

struct FuzzTargetRegistration {
    FuzzTargetRegistration(const char* name, FuzzEntry entry) {
        FuzzTargets().push_back({name, entry});
    }
};

// Defines and registers the entry of the target `name`.
#define VEXA_FUZZ_TARGET(name)                                                         \
    static void name##_fuzz_entry(std::string_view bytes);                             \
    static const FuzzTargetRegistration name##_registration{#name, name##_fuzz_entry}; \
    static void name##_fuzz_entry(std::string_view bytes)

// Stops the program when a decoder broke what it promises; the fuzzer records the input.
void FuzzCheck(bool holds, const char* what);
