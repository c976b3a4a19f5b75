// FUZZ_CHECK: a property every input must keep. A violation aborts, which
// libFuzzer reports as a finding with the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (0)

// A link result: success (0 or a count), a link error or a fuzz-bus failure.
#define FUZZ_CHECK_LINK_RESULT(result)                                  \
    FUZZ_CHECK((result) >= 0 || ((result) >= -30 && (result) <= -20) || \
               ((result) >= -8 && (result) <= -1))
