#pragma once

#include <string>

#include "reward_schedule.h"

namespace rewardcfg::testing {

// Every field filled: item IDs "501".."520", amounts "1".."20", the window's default dates.
inline RewardSchedule filledSchedule() {
    RewardSchedule schedule;
    schedule.startDate = "20240701";
    schedule.endDate = "20240720";
    for (int day = 1; day <= DayCount; ++day) {
        schedule.days[day - 1].itemId = std::to_string(500 + day);
        schedule.days[day - 1].amount = std::to_string(day);
    }
    return schedule;
}

// The worked example of both file formats: day 1 "501"/"3", day 2 "502"/"10",
// day 9 "509"/"1", day 10 "510"/"5", day 20 "520"/"1"; other days 5NN / N.
inline RewardSchedule workedExample() {
    RewardSchedule schedule = filledSchedule();
    schedule.days[0].amount = "3";
    schedule.days[1].amount = "10";
    schedule.days[8].amount = "1";
    schedule.days[9].amount = "5";
    schedule.days[19].amount = "1";
    return schedule;
}

}  // namespace rewardcfg::testing
