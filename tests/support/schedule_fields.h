#pragma once

#include <string>

#include "generation_view.h"
#include "reward_schedule.h"

namespace rewardcfg::testing {

// The text a window field would hold for this schedule.
inline std::string scheduleField(const RewardSchedule& schedule, InputField field) {
    switch (field.kind) {
        case InputField::Kind::ItemId: return schedule.days[field.day - 1].itemId;
        case InputField::Kind::Amount: return schedule.days[field.day - 1].amount;
        case InputField::Kind::StartDate: return schedule.startDate;
        case InputField::Kind::EndDate: return schedule.endDate;
    }
    return {};
}

}  // namespace rewardcfg::testing
