#include <string>

#include <gtest/gtest.h>

#include "default_templates.h"
#include "server_file.h"
#include "support/schedules.h"
#include "support/text_lines.h"

namespace rewardcfg {
namespace {

using testing::crlfLines;
using testing::splitCrlf;
using testing::workedExample;

// Lines of days 3 to 19 as the worked example fills them (item 5NN, amount N).
std::string middleDays(bool withAmount) {
    std::string text;
    for (int day = 3; day <= 19; ++day) {
        text += "      - Day: " + std::to_string(day) + "\r\n";
        text += "        ItemId: " + std::to_string(500 + day) + "\r\n";
        if (withAmount) text += "        Amount: " + std::to_string(day == 9 ? 1 : day == 10 ? 5 : day) + "\r\n";
    }
    return text;
}

TEST(ComposeServerFile, WorkedExampleFullIsByteExact) {
    std::string expected = std::string(ServerHeaderTemplate) +
                           crlfLines({"", "Body:", "  - Start: 20240701", "    End: 20240720",
                                      "    Rewards:", "      - Day: 1", "        ItemId: 501", "        Amount: 3",
                                      "      - Day: 2", "        ItemId: 502", "        Amount: 10"}) +
                           middleDays(true) +
                           crlfLines({"      - Day: 20", "        ItemId: 520", "        Amount: 1"});
    std::string text = composeServerFile(workedExample(), Edition::Full, ServerHeaderTemplate);
    EXPECT_EQ(text, expected);
    EXPECT_EQ(splitCrlf(text).size(), 78u);
    EXPECT_TRUE(text.ends_with("        Amount: 1\r\n"));
    EXPECT_FALSE(text.starts_with("\xEF\xBB\xBF"));
    EXPECT_EQ(text.find('\0'), std::string::npos);
}

TEST(ComposeServerFile, WorkedExampleItemOnlyHasNoAmountLines) {
    RewardSchedule schedule = workedExample();
    schedule.days[4].amount = "        Amount: 99";  // amounts never reach the file
    std::string expected = std::string(ServerHeaderTemplate) +
                           crlfLines({"", "Body:", "  - Start: 20240701", "    End: 20240720",
                                      "    Rewards:", "      - Day: 1", "        ItemId: 501", "      - Day: 2",
                                      "        ItemId: 502"}) +
                           middleDays(false) + crlfLines({"      - Day: 20", "        ItemId: 520"});
    std::string text = composeServerFile(schedule, Edition::ItemOnly, ServerHeaderTemplate);
    EXPECT_EQ(text, expected);
    auto lines = splitCrlf(text);
    ASSERT_EQ(lines.size(), 58u);
    EXPECT_EQ(lines[56], "      - Day: 20");
    EXPECT_EQ(lines[57], "        ItemId: 520");
    EXPECT_EQ(text.find("Amount"), std::string::npos);
}

TEST(ComposeServerFile, DayNumbersHaveNoPadding) {
    auto lines = splitCrlf(composeServerFile(workedExample(), Edition::Full, ServerHeaderTemplate));
    EXPECT_EQ(lines[18 + 3 * 8], "      - Day: 9");
    EXPECT_EQ(lines[18 + 3 * 9], "      - Day: 10");
}

TEST(ComposeServerFile, TextsPassThroughUntouched) {
    RewardSchedule schedule = workedExample();
    schedule.startDate = "";
    schedule.days[0].itemId = " 501 ";
    schedule.days[1].itemId = "\xb5\xc0\xbe\xdf";  // "道具" in GBK
    schedule.days[2].amount = "#x: y";
    std::string text = composeServerFile(schedule, Edition::Full, "");
    auto lines = splitCrlf(text);
    EXPECT_EQ(lines[0], "");  // empty template: the text opens with CR LF
    EXPECT_EQ(lines[1], "Body:");
    EXPECT_EQ(lines[2], "  - Start: ");
    EXPECT_EQ(lines[6], "        ItemId:  501 ");
    EXPECT_EQ(lines[9], "        ItemId: \xb5\xc0\xbe\xdf");
    EXPECT_EQ(lines[13], "        Amount: #x: y");
}

TEST(ComposeServerFile, TemplateWithoutFinalLineEndGivesNoEmptyLine) {
    std::string text = composeServerFile(workedExample(), Edition::Full, "Header:\r\n  Version: 1");
    EXPECT_TRUE(text.starts_with("Header:\r\n  Version: 1\r\nBody:\r\n  - Start: 20240701\r\n"));
}

TEST(ComposeServerFile, EqualDaysAllAppearInDayOrder) {
    RewardSchedule schedule = workedExample();
    for (auto& day : schedule.days) day = {"7", "7"};
    auto lines = splitCrlf(composeServerFile(schedule, Edition::Full, ""));
    for (int day = 1; day <= DayCount; ++day)
        EXPECT_EQ(lines[5 + 3 * (day - 1)], "      - Day: " + std::to_string(day));
}

}  // namespace
}  // namespace rewardcfg
