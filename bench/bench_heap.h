#pragma once

#include <cstddef>

namespace rewardcfg::bench {

// Calls of the global operator new since the program started.
std::size_t allocationCount();

}  // namespace rewardcfg::bench
