#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace rewardcfg::fuzz {

// A difference from the reference is a finding: say where, then abort so
// libFuzzer keeps the input.
inline void expectSameText(std::string_view actual, std::string_view expected, const char* what) {
    if (actual == expected) return;
    size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
    std::fprintf(stderr, "%s differs from the reference at byte %zu (sizes %zu, expected %zu)\n", what, at,
                 actual.size(), expected.size());
    std::abort();
}

}  // namespace rewardcfg::fuzz
