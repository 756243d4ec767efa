// composeServerFile against a plain concatenation of the file's fixed fragments.
#include <string>
#include <string_view>

#include "expect_same_text.h"
#include "fuzz_input.h"
#include "server_file.h"

namespace rewardcfg::fuzz {
namespace {

constexpr std::string_view BodyAndStart = "\r\nBody:\r\n  - Start: ";
constexpr std::string_view End = "\r\n    End: ";
constexpr std::string_view Rewards = "\r\n    Rewards:\r\n";
constexpr std::string_view Day = "      - Day: ";
constexpr std::string_view ItemId = "\r\n        ItemId: ";
constexpr std::string_view Amount = "\r\n        Amount: ";
static_assert(BodyAndStart.size() == 20 && End.size() == 11 && Rewards.size() == 16);
static_assert(Day.size() == 13 && ItemId.size() == 18 && Amount.size() == 18);

std::string referenceServerFile(const FuzzInput& input) {
    const RewardSchedule& schedule = input.schedule;
    std::string text = input.serverHeaderTemplate;
    text += BodyAndStart;
    text += schedule.startDate;
    text += End;
    text += schedule.endDate;
    text += Rewards;
    for (int day = 1; day <= 20; ++day) {
        text += Day;
        text += std::to_string(day);
        text += ItemId;
        text += schedule.days[day - 1].itemId;
        if (input.edition == Edition::Full) {
            text += Amount;
            text += schedule.days[day - 1].amount;
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace
}  // namespace rewardcfg::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace rewardcfg;
    fuzz::FuzzInput input = fuzz::decodeFuzzInput(data, size);
    fuzz::expectSameText(composeServerFile(input.schedule, input.edition, input.serverHeaderTemplate),
                         fuzz::referenceServerFile(input), "composeServerFile");
    return 0;
}
