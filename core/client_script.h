#pragma once

#include <string>
#include <string_view>

#include "reward_schedule.h"

namespace rewardcfg {

// The whole text of CheckAttendance.lua: the header template, the Config and
// Reward tables, the main template and a final CR LF. Values are written bare.
// ItemOnly gives every row the amount 1. Pure; cannot fail.
std::string composeClientScript(const RewardSchedule& schedule, Edition edition, std::string_view clientHeaderTemplate,
                                std::string_view clientMainTemplate);

}  // namespace rewardcfg
