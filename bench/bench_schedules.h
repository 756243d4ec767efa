#pragma once

#include <string>
#include <utility>
#include <vector>

#include "reward_schedule.h"
#include "support/schedules.h"

namespace rewardcfg::bench {

// The schedules every benchmark runs on: a typical one, as an administrator
// types it, and one whose 20 item IDs hold 100 KB each.
inline const std::vector<std::pair<std::string, RewardSchedule>>& benchSchedules() {
    static const auto schedules = [] {
        RewardSchedule large = testing::filledSchedule();
        for (DayReward& day : large.days) day.itemId = std::string(100 * 1024, '7');
        return std::vector<std::pair<std::string, RewardSchedule>>{{"typical", testing::filledSchedule()},
                                                                   {"20x100KB", std::move(large)}};
    }();
    return schedules;
}

}  // namespace rewardcfg::bench
