#pragma once

namespace rewardcfg {

// Fixed per program when it is built: rewardcfg is Full, rewardcfg-lite is ItemOnly.
enum class Edition { Full, ItemOnly };

}  // namespace rewardcfg
