#pragma once

#include <array>
#include <string>

#include "edition.h"

namespace rewardcfg {

inline constexpr int DayCount = 20;

// Texts are byte strings in the ANSI code page, exactly as typed.
struct DayReward {
    std::string itemId;
    std::string amount;  // stays empty in ItemOnly
};

struct RewardSchedule {
    std::string startDate;
    std::string endDate;
    std::array<DayReward, DayCount> days;  // days[0] is day 1
};

// Empty when the schedule passes, else the message of the first empty field
// in rule order: item IDs 1..20, then (Full only) amounts 1..20, start, end.
std::string validateSchedule(const RewardSchedule& schedule, Edition edition);

}  // namespace rewardcfg
