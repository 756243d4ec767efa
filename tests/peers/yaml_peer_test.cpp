// Loads the composed server file with a real YAML parser.
#include <string>

#include <gtest/gtest.h>
#include <yaml-cpp/yaml.h>

#include "default_templates.h"
#include "server_file.h"
#include "support/schedules.h"

namespace rewardcfg {
namespace {

void expectDatabase(Edition edition) {
    RewardSchedule schedule = testing::workedExample();
    YAML::Node root = YAML::Load(composeServerFile(schedule, edition, ServerHeaderTemplate));
    EXPECT_EQ(root["Header"]["Type"].as<std::string>(), "ATTENDANCE_DB");
    EXPECT_EQ(root["Header"]["Version"].as<int>(), 1);
    ASSERT_TRUE(root["Body"].IsSequence());
    ASSERT_EQ(root["Body"].size(), 1u);
    YAML::Node event = root["Body"][0];
    EXPECT_EQ(event["Start"].as<std::string>(), "20240701");
    EXPECT_EQ(event["End"].as<std::string>(), "20240720");
    YAML::Node rewards = event["Rewards"];
    ASSERT_EQ(rewards.size(), 20u);
    for (int day = 1; day <= DayCount; ++day) {
        YAML::Node entry = rewards[day - 1];
        EXPECT_EQ(entry["Day"].as<int>(), day);
        EXPECT_EQ(entry["ItemId"].as<std::string>(), schedule.days[day - 1].itemId);
        if (edition == Edition::Full) {
            EXPECT_EQ(entry["Amount"].as<std::string>(), schedule.days[day - 1].amount);
            EXPECT_EQ(entry.size(), 3u);
        } else {
            EXPECT_FALSE(entry["Amount"]);
            EXPECT_EQ(entry.size(), 2u);
        }
    }
}

TEST(YamlPeer, FullDatabaseLoads) { expectDatabase(Edition::Full); }
TEST(YamlPeer, ItemOnlyDatabaseLoadsWithoutAmounts) { expectDatabase(Edition::ItemOnly); }

// Values go in unquoted, so a value with ": " changes what a reader sees.
TEST(YamlPeer, ValueWithColonBlankIsNotReadBackAsTyped) {
    RewardSchedule schedule = testing::workedExample();
    schedule.days[0].itemId = "501: x";
    std::string text = composeServerFile(schedule, Edition::Full, ServerHeaderTemplate);
    EXPECT_NE(text.find("        ItemId: 501: x\r\n"), std::string::npos);
    bool readAsTyped = false;
    try {
        YAML::Node entry = YAML::Load(text)["Body"][0]["Rewards"][0];
        readAsTyped = entry["ItemId"].IsScalar() && entry["ItemId"].as<std::string>() == "501: x";
    } catch (const YAML::Exception&) {
    }
    EXPECT_FALSE(readAsTyped);
}

}  // namespace
}  // namespace rewardcfg
