#pragma once

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The fuzzer's bytes as text: UTF-8 where valid, so that separators, signs,
// digits and any other character all turn up.
inline QString FuzzText(const uint8_t* data, size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A broken property stops the fuzzer with the input saved.
#define FUZZ_REQUIRE(condition)                                                        \
    do {                                                                               \
        if (!(condition)) {                                                            \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, \
                         __LINE__);                                                    \
            std::abort();                                                              \
        }                                                                              \
    } while (0)
