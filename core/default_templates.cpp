// This file is compiled with the GBK execution character set, so the Chinese
// literals below become the bytes the output files need while staying readable.
#include "default_templates.h"

#define REWARDCFG_QQ "2718281828"
#define REWARDCFG_DC "quillomar_dev"

namespace rewardcfg {

// clang-format off
static_assert(AuthorMessagingNumber == REWARDCFG_QQ);
static_assert(AuthorChatHandle == REWARDCFG_DC);

const std::string_view ServerHeaderTemplate =
    "############################################################################\r\n"
    "#= 适合范围:\r\n"
    "#= <<Pelverine>>\r\n"
    "#============================================================\r\n"
    "#= [Quillomar ] \r\n"
    "#= QQ:" REWARDCFG_QQ "\r\n"
    "#= DC:" REWARDCFG_DC "\r\n"
    "#= 更多定制副本创意可以联系作者编写\r\n"
    "############################################################################\r\n"
    "\r\n"
    "Header:\r\n"
    "  Type: ATTENDANCE_DB\r\n"
    "  Version: 1\r\n";

const std::string_view ClientHeaderTemplate =
    "----------------------------------------------------------\r\n"
    "------ <<Pelverine>>\r\n"
    "------ [Quillomar ] \r\n"
    "------ QQ:" REWARDCFG_QQ "\r\n"
    "------ DC:" REWARDCFG_DC "\r\n"
    "------ 更多定制副本创意可以联系作者编写\r\n"
    "----------------------------------------------------------\r\n";

const std::string_view ClientMainTemplate =
    "}\r\n"
    "\r\n"
    "main = function()\r\n"
    "  result, msg = InsertCheckAttendanceConfig(Config.EvendOnOff, Config.StartDate, Config.EndDate), Config.EvendOnOff\r\n"
    "  if not result then\r\n"
    "    return false, msg\r\n"
    "  end\r\n"
    "  for k,rewardtbl in pairs(Reward) do\r\n"
    "    result, msg = InsertCheckAttendanceReward(rewardtbl[1], rewardtbl[2], rewardtbl[3]), rewardtbl[1]\r\n"
    "    if not result then\r\n"
    "      return false, msg\r\n"
    "    end\r\n"
    "  end\r\n"
    "  return true, \"success\"\r\n"
    "end";

// clang-format on

}  // namespace rewardcfg
