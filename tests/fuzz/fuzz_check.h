#pragma once
// A property of a fuzz target that must hold for every input: when it does
// not, the input is a finding, so stop loudly.

#include <cstdio>
#include <cstdlib>

namespace tb::fuzz {

inline void require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "fuzz property broken: %s\n", what);
    std::abort();
}

}  // namespace tb::fuzz
