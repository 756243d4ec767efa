#include <string>

#include <gtest/gtest.h>

#include "client_script.h"
#include "default_templates.h"
#include "support/schedules.h"
#include "support/text_lines.h"

namespace rewardcfg {
namespace {

using testing::crlfLines;
using testing::splitCrlf;
using testing::workedExample;

std::string rows(bool ownAmounts) {
    const char* prefixes[] = {"    { 1, ", "    { 2, ", "    { 3, ", "    { 4, ", "    { 5, ", "    { 6, ", "    { 7, ",
                              "    { 8, ", "    { 9, ", "    { 10,", "    { 11,", "    { 12,", "    { 13,", "    { 14,",
                              "    { 15,", "    { 16,", "    { 17,", "    { 18,", "    { 19,", "    { 20,"};
    const char* amounts[] = {"3",  "10", "3",  "4",  "5",  "6",  "7",  "8",  "1",  "5",
                             "11", "12", "13", "14", "15", "16", "17", "18", "19", "1"};
    std::string text;
    for (int day = 1; day <= 20; ++day)
        text += std::string(prefixes[day - 1]) + std::to_string(500 + day) + ", " +
                (ownAmounts ? amounts[day - 1] : "1") + " },\r\n";
    return text;
}

std::string expectedScript(bool ownAmounts) {
    return std::string(ClientHeaderTemplate) +
           crlfLines({"", "Config = { StartDate = 20240701, EndDate = 20240720 }", "Reward = {"}) + rows(ownAmounts) +
           std::string(ClientMainTemplate) + "\r\n";
}

TEST(ComposeClientScript, WorkedExampleFullIsByteExact) {
    std::string text = composeClientScript(workedExample(), Edition::Full, ClientHeaderTemplate, ClientMainTemplate);
    EXPECT_EQ(text, expectedScript(true));
    auto lines = splitCrlf(text);
    ASSERT_EQ(lines.size(), 45u);
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "Config = { StartDate = 20240701, EndDate = 20240720 }");
    EXPECT_EQ(lines[9], "Reward = {");
    EXPECT_EQ(lines[10], "    { 1, 501, 3 },");
    EXPECT_EQ(lines[11], "    { 2, 502, 10 },");
    EXPECT_EQ(lines[18], "    { 9, 509, 1 },");
    EXPECT_EQ(lines[19], "    { 10,510, 5 },");
    EXPECT_EQ(lines[29], "    { 20,520, 1 },");
    EXPECT_EQ(lines[30], "}");
    EXPECT_EQ(lines[31], "");
    EXPECT_EQ(lines[32], "main = function()");
    EXPECT_EQ(lines[44], "end");
    EXPECT_TRUE(text.ends_with("end\r\n"));
    EXPECT_FALSE(text.starts_with("\xEF\xBB\xBF"));
    EXPECT_EQ(text.find('\0'), std::string::npos);
}

TEST(ComposeClientScript, WorkedExampleItemOnlyGivesEveryDayAmountOne) {
    std::string text = composeClientScript(workedExample(), Edition::ItemOnly, ClientHeaderTemplate,
                                           ClientMainTemplate);
    EXPECT_EQ(text, expectedScript(false));
    auto lines = splitCrlf(text);
    EXPECT_EQ(lines[10], "    { 1, 501, 1 },");
    EXPECT_EQ(lines[11], "    { 2, 502, 1 },");
    EXPECT_EQ(lines[19], "    { 10,510, 1 },");
}

TEST(ComposeClientScript, TextsPassThroughUntouched) {
    RewardSchedule schedule = workedExample();
    schedule.startDate = "";
    schedule.endDate = "2024-07-20";
    schedule.days[0].itemId = " 501 ";
    schedule.days[1].itemId = "\xb5\xc0\xbe\xdf";  // "道具" in GBK
    auto lines = splitCrlf(composeClientScript(schedule, Edition::Full, "", "}"));
    EXPECT_EQ(lines[0], "");  // empty header: the text opens with CR LF
    EXPECT_EQ(lines[1], "Config = { StartDate = , EndDate = 2024-07-20 }");
    EXPECT_EQ(lines[3], "    { 1,  501 , 3 },");
    EXPECT_EQ(lines[4], "    { 2, \xb5\xc0\xbe\xdf, 10 },");
}

TEST(ComposeClientScript, TemplatesAreUsedAsTheyStand) {
    std::string noFinalLineEnd = composeClientScript(workedExample(), Edition::Full, "-- one", ClientMainTemplate);
    EXPECT_TRUE(noFinalLineEnd.starts_with("-- one\r\nConfig = { StartDate = 20240701"));

    std::string emptyMain = composeClientScript(workedExample(), Edition::Full, ClientHeaderTemplate, "");
    EXPECT_TRUE(emptyMain.ends_with("    { 20,520, 1 },\r\n\r\n"));

    std::string unclosed = composeClientScript(workedExample(), Edition::Full, "", "main = 1");
    EXPECT_TRUE(unclosed.ends_with("    { 20,520, 1 },\r\nmain = 1\r\n"));
}

}  // namespace
}  // namespace rewardcfg
