#pragma once

#include <cstdlib>

// A property every input must keep; a broken one ends the run, which libFuzzer reports with the input.
inline void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}
