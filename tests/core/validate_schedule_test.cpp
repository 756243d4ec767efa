#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "reward_schedule.h"
#include "support/schedules.h"

namespace rewardcfg {
namespace {

using testing::filledSchedule;

struct ValidationCase {
    const char* name;
    std::function<void(RewardSchedule&)> change;  // applied to a filled schedule
    std::string fullMessage;
    std::string itemOnlyMessage;
};

void clearItem(RewardSchedule& s, int day) { s.days[day - 1].itemId.clear(); }
void clearAmount(RewardSchedule& s, int day) { s.days[day - 1].amount.clear(); }

const ValidationCase validationCases[] = {
    {"everything filled", [](RewardSchedule&) {}, "", ""},
    {"start state: no item ID typed",
     [](RewardSchedule& s) {
         for (int d = 1; d <= DayCount; ++d) clearItem(s, d);
     },
     "day 1 seted,please!", "day 1 seted,please!"},
    {"item ID of day 20", [](RewardSchedule& s) { clearItem(s, 20); }, "day 20 seted,please!", "day 20 seted,please!"},
    {"amount of day 7", [](RewardSchedule& s) { clearAmount(s, 7); }, "day 7 seted count,please!", ""},
    {"amount of day 20", [](RewardSchedule& s) { clearAmount(s, 20); }, "day 20 seted count,please!", ""},
    {"item IDs before amounts: item 3, amount 1",
     [](RewardSchedule& s) {
         clearItem(s, 3);
         clearAmount(s, 1);
     },
     "day 3 seted,please!", "day 3 seted,please!"},
    {"not the Enter order: item 2, amount 1",
     [](RewardSchedule& s) {
         clearItem(s, 2);
         clearAmount(s, 1);
     },
     "day 2 seted,please!", "day 2 seted,please!"},
    {"lowest day wins among item IDs",
     [](RewardSchedule& s) {
         clearItem(s, 17);
         clearItem(s, 4);
     },
     "day 4 seted,please!", "day 4 seted,please!"},
    {"amounts before dates",
     [](RewardSchedule& s) {
         clearAmount(s, 12);
         s.startDate.clear();
     },
     "day 12 seted count,please!", ""},
    {"both dates empty",
     [](RewardSchedule& s) {
         s.startDate.clear();
         s.endDate.clear();
     },
     "start time seted,please!", ""},
    {"only the end date empty", [](RewardSchedule& s) { s.endDate.clear(); }, "end time seted,please!", ""},
    {"ItemOnly never reads amounts",
     [](RewardSchedule& s) {
         for (int d = 1; d <= DayCount; ++d) clearAmount(s, d);
         s.endDate.clear();
     },
     "day 1 seted count,please!", ""},
    {"only emptiness counts: blank, letters, 0, negative",
     [](RewardSchedule& s) {
         s.days[0].itemId = " ";
         s.days[1].itemId = "abc";
         s.days[2].itemId = "0";
         s.days[3].itemId = "-7";
         s.days[4].amount = "0";
         s.days[5].amount = "   ";
         s.startDate = "July";
     },
     "", ""},
    {"start after end, duplicate item IDs",
     [](RewardSchedule& s) {
         s.startDate = "20241231";
         s.endDate = "20240101";
         s.days[1].itemId = s.days[0].itemId;
     },
     "", ""},
};

class ValidateScheduleTest : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(ValidateScheduleTest, ReturnsMessageOfFirstFailedRule) {
    RewardSchedule schedule = filledSchedule();
    GetParam().change(schedule);
    EXPECT_EQ(validateSchedule(schedule, Edition::Full), GetParam().fullMessage);
    EXPECT_EQ(validateSchedule(schedule, Edition::ItemOnly), GetParam().itemOnlyMessage);
}

INSTANTIATE_TEST_SUITE_P(Rules, ValidateScheduleTest, ::testing::ValuesIn(validationCases), [](const auto& info) {
    std::string name;
    for (char c : std::string(info.param.name)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

// Each rule on its own: only day N's field empty gives day N's message.
TEST(ValidateSchedule, EveryDayHasItsOwnMessages) {
    for (int day = 1; day <= DayCount; ++day) {
        RewardSchedule schedule = filledSchedule();
        clearItem(schedule, day);
        EXPECT_EQ(validateSchedule(schedule, Edition::Full), "day " + std::to_string(day) + " seted,please!");

        schedule = filledSchedule();
        clearAmount(schedule, day);
        EXPECT_EQ(validateSchedule(schedule, Edition::Full), "day " + std::to_string(day) + " seted count,please!");
    }
}

}  // namespace
}  // namespace rewardcfg
