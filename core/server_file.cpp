#include "server_file.h"

#include "exact_text.h"

namespace rewardcfg {

std::string composeServerFile(const RewardSchedule& schedule, Edition edition, std::string_view serverHeaderTemplate) {
    return composeExactly([&](auto&& emit) {
        emit(serverHeaderTemplate);
        emit("\r\nBody:\r\n  - Start: ");
        emit(schedule.startDate);
        emit("\r\n    End: ");
        emit(schedule.endDate);
        emit("\r\n    Rewards:\r\n");
        for (int day = 1; day <= DayCount; ++day) {
            const DayReward& reward = schedule.days[day - 1];
            emit("      - Day: ");
            emit(DayNumber(day).text());
            emit("\r\n        ItemId: ");
            emit(reward.itemId);
            if (edition == Edition::Full) {
                emit("\r\n        Amount: ");
                emit(reward.amount);
            }
            emit("\r\n");
        }
    });
}

}  // namespace rewardcfg
