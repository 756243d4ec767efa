// composeClientScript against a plain concatenation of the script's fixed fragments.
#include <string>
#include <string_view>

#include "client_script.h"
#include "expect_same_text.h"
#include "fuzz_input.h"

namespace rewardcfg::fuzz {
namespace {

constexpr std::string_view ConfigStart = "\r\nConfig = { StartDate = ";
constexpr std::string_view ConfigEnd = ", EndDate = ";
constexpr std::string_view RewardOpen = " }\r\nReward = {\r\n";
static_assert(ConfigStart.size() == 25 && ConfigEnd.size() == 12 && RewardOpen.size() == 16);

// "    { 1, " .. "    { 9, ", then "    { 10," .. "    { 20,": always 9 characters.
std::string rowPrefix(int day) {
    std::string prefix = "    { " + std::to_string(day) + ",";
    if (day < 10) prefix += " ";
    return prefix;
}

std::string referenceClientScript(const FuzzInput& input) {
    const RewardSchedule& schedule = input.schedule;
    std::string text = input.clientHeaderTemplate;
    text += ConfigStart;
    text += schedule.startDate;
    text += ConfigEnd;
    text += schedule.endDate;
    text += RewardOpen;
    for (int day = 1; day <= 20; ++day) {
        text += rowPrefix(day);
        text += schedule.days[day - 1].itemId;
        text += ", ";
        text += input.edition == Edition::Full ? schedule.days[day - 1].amount : "1";
        text += " },\r\n";
    }
    text += input.clientMainTemplate;
    text += "\r\n";
    return text;
}

}  // namespace
}  // namespace rewardcfg::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace rewardcfg;
    fuzz::FuzzInput input = fuzz::decodeFuzzInput(data, size);
    fuzz::expectSameText(
        composeClientScript(input.schedule, input.edition, input.clientHeaderTemplate, input.clientMainTemplate),
        fuzz::referenceClientScript(input), "composeClientScript");
    return 0;
}
