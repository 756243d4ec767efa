#pragma once

#include <string>
#include <string_view>

#include "reward_schedule.h"

namespace rewardcfg {

// The whole text of attendance.yml: the header template unchanged, then Body
// with Start, End and 20 Rewards (Amount lines in Full only). Pure; cannot fail.
std::string composeServerFile(const RewardSchedule& schedule, Edition edition, std::string_view serverHeaderTemplate);

}  // namespace rewardcfg
