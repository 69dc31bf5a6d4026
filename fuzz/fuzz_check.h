// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a fuzz target asserts: a broken promise aborts, so that libFuzzer keeps
// the input that broke it.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: FUZZ_CHECK(%s) failed\n", __FILE__, __LINE__,             \
                         #condition);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
