#include "client_script.h"

#include "exact_text.h"

namespace rewardcfg {

std::string composeClientScript(const RewardSchedule& schedule, Edition edition, std::string_view clientHeaderTemplate,
                                std::string_view clientMainTemplate) {
    return composeExactly([&](auto&& emit) {
        emit(clientHeaderTemplate);
        emit("\r\nConfig = { StartDate = ");
        emit(schedule.startDate);
        emit(", EndDate = ");
        emit(schedule.endDate);
        emit(" }\r\nReward = {\r\n");
        for (int day = 1; day <= DayCount; ++day) {
            const DayReward& reward = schedule.days[day - 1];
            // The prefix keeps 9 characters, so item IDs line up in one column.
            emit("    { ");
            emit(DayNumber(day).text());
            emit(day < 10 ? ", " : ",");
            emit(reward.itemId);
            emit(", ");
            emit(edition == Edition::Full ? std::string_view(reward.amount) : "1");
            emit(" },\r\n");
        }
        emit(clientMainTemplate);
        emit("\r\n");
    });
}

}  // namespace rewardcfg
