#include "reward_schedule.h"

namespace rewardcfg {

std::string validateSchedule(const RewardSchedule& schedule, Edition edition) {
    for (int day = 1; day <= DayCount; ++day) {
        if (schedule.days[day - 1].itemId.empty()) return "day " + std::to_string(day) + " seted,please!";
    }
    if (edition == Edition::ItemOnly) return {};

    for (int day = 1; day <= DayCount; ++day) {
        if (schedule.days[day - 1].amount.empty()) return "day " + std::to_string(day) + " seted count,please!";
    }
    if (schedule.startDate.empty()) return "start time seted,please!";
    if (schedule.endDate.empty()) return "end time seted,please!";
    return {};
}

}  // namespace rewardcfg
