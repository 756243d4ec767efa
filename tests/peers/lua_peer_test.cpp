// Runs the composed client script in a real Lua interpreter, with stand-ins for
// the two functions that the game client provides. Built once per Lua version.
#include <string>
#include <vector>

#include <gtest/gtest.h>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
#include <lualib.h>
}

#include "client_script.h"
#include "default_templates.h"
#include "support/schedules.h"

namespace rewardcfg {
namespace {

struct ClientCalls {
    std::vector<std::vector<std::string>> config;
    std::vector<std::vector<std::string>> rewards;
    int failOnDay = 0;  // the reward stub answers false for this day
};
ClientCalls* calls = nullptr;

std::vector<std::string> arguments(lua_State* lua) {
    std::vector<std::string> args;
    for (int i = 1; i <= lua_gettop(lua); ++i) {
        const char* text = lua_isnil(lua, i) ? "nil" : lua_tostring(lua, i);
        args.emplace_back(text ? text : "?");
    }
    return args;
}

int insertConfig(lua_State* lua) {
    calls->config.push_back(arguments(lua));
    lua_pushboolean(lua, 1);
    return 1;
}

int insertReward(lua_State* lua) {
    auto args = arguments(lua);
    calls->rewards.push_back(args);
    lua_pushboolean(lua, args[0] != std::to_string(calls->failOnDay));
    return 1;
}

struct MainResult {
    bool ok;
    std::string second;
};

class LuaPeer : public ::testing::Test {
protected:
    void SetUp() override {
        lua = luaL_newstate();
        luaL_openlibs(lua);
        calls = &seen;
        lua_register(lua, "InsertCheckAttendanceConfig", insertConfig);
        lua_register(lua, "InsertCheckAttendanceReward", insertReward);
    }
    void TearDown() override {
        lua_close(lua);
        calls = nullptr;
    }

    // Loads the script, runs its chunk, then calls main().
    MainResult runMain(const std::string& script) {
        if (luaL_loadbuffer(lua, script.data(), script.size(), "CheckAttendance.lua") != 0 ||
            lua_pcall(lua, 0, 0, 0) != 0) {
            ADD_FAILURE() << lua_tostring(lua, -1);
            return {};
        }
        lua_getglobal(lua, "main");
        if (lua_pcall(lua, 0, 2, 0) != 0) {
            ADD_FAILURE() << lua_tostring(lua, -1);
            return {};
        }
        MainResult result{lua_toboolean(lua, -2) != 0, lua_tostring(lua, -1) ? lua_tostring(lua, -1) : "nil"};
        lua_pop(lua, 2);
        return result;
    }

    lua_State* lua = nullptr;
    ClientCalls seen;
};

TEST_F(LuaPeer, FullScriptHandsDatesAndRowsToTheClient) {
    RewardSchedule schedule = testing::workedExample();
    auto result = runMain(composeClientScript(schedule, Edition::Full, ClientHeaderTemplate, ClientMainTemplate));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.second, "success");
    ASSERT_EQ(seen.config.size(), 1u);
    EXPECT_EQ(seen.config[0], (std::vector<std::string>{"nil", "20240701", "20240720"}));
    ASSERT_EQ(seen.rewards.size(), 20u);
    for (int day = 1; day <= DayCount; ++day) {
        const auto& given = schedule.days[day - 1];
        EXPECT_EQ(seen.rewards[day - 1], (std::vector<std::string>{std::to_string(day), given.itemId, given.amount}));
    }
}

TEST_F(LuaPeer, ItemOnlyScriptGivesAmountOne) {
    auto result = runMain(
        composeClientScript(testing::workedExample(), Edition::ItemOnly, ClientHeaderTemplate, ClientMainTemplate));
    EXPECT_TRUE(result.ok);
    ASSERT_EQ(seen.rewards.size(), 20u);
    for (const auto& row : seen.rewards) EXPECT_EQ(row[2], "1");
}

TEST_F(LuaPeer, MainStopsAtTheFirstRefusedRow) {
    seen.failOnDay = 3;
    auto result = runMain(
        composeClientScript(testing::workedExample(), Edition::Full, ClientHeaderTemplate, ClientMainTemplate));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.second, "3");
    EXPECT_EQ(seen.rewards.size(), 3u);
}

}  // namespace
}  // namespace rewardcfg
