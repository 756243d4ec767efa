// validateSchedule against the rule list written out on its own: item IDs of
// days 1..20 in both editions, then in Full the amounts of days 1..20, the start
// date and the end date; the first empty text names the message.
#include <cstdio>
#include <string>
#include <vector>

#include "expect_same_text.h"
#include "fuzz_input.h"
#include "reward_schedule.h"

namespace rewardcfg::fuzz {
namespace {

struct Rule {
    const std::string* field;
    std::string message;
};

std::string dayMessage(const char* format, int day) {
    char message[40];
    std::snprintf(message, sizeof message, format, day);
    return message;
}

std::vector<Rule> rules(const RewardSchedule& schedule, Edition edition) {
    std::vector<Rule> list;
    for (int day = 1; day <= 20; ++day)
        list.push_back({&schedule.days[day - 1].itemId, dayMessage("day %d seted,please!", day)});
    if (edition == Edition::Full) {
        for (int day = 1; day <= 20; ++day)
            list.push_back({&schedule.days[day - 1].amount, dayMessage("day %d seted count,please!", day)});
        list.push_back({&schedule.startDate, "start time seted,please!"});
        list.push_back({&schedule.endDate, "end time seted,please!"});
    }
    return list;
}

std::string referenceValidation(const RewardSchedule& schedule, Edition edition) {
    for (const Rule& rule : rules(schedule, edition)) {
        if (rule.field->empty()) return rule.message;
    }
    return "";
}

}  // namespace
}  // namespace rewardcfg::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace rewardcfg;
    fuzz::FuzzInput input = fuzz::decodeFuzzInput(data, size);
    fuzz::expectSameText(validateSchedule(input.schedule, input.edition),
                         fuzz::referenceValidation(input.schedule, input.edition), "validateSchedule");
    return 0;
}
