#include <string>

#include <gtest/gtest.h>

#include "default_templates.h"
#include "support/text_lines.h"

namespace rewardcfg {
namespace {

using testing::splitCrlf;

const std::string hashes(76, '#');
const std::string dashes(58, '-');
const std::string qq(AuthorMessagingNumber);
const std::string dc(AuthorChatHandle);

TEST(DefaultTemplates, ServerHeaderHas13CrlfLinesInGbk) {
    std::string_view text = ServerHeaderTemplate;
    ASSERT_TRUE(text.ends_with("\r\n"));
    auto lines = splitCrlf(text);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], hashes);
    // "#= 适合范围:" in GBK.
    EXPECT_EQ(lines[1], "#= \xca\xca\xba\xcf\xb7\xb6\xce\xa7:");
    EXPECT_EQ(lines[1].size(), 12u);
    EXPECT_EQ(lines[2], "#= <<Pelverine>>");
    EXPECT_EQ(lines[3], "#" + std::string(60, '='));
    EXPECT_EQ(lines[4], "#= [Quillomar ] ");
    EXPECT_EQ(lines[5], "#= QQ:" + qq);
    EXPECT_EQ(lines[6], "#= DC:" + dc);
    // "#= 更多定制副本创意可以联系作者编写" in GBK.
    EXPECT_EQ(lines[7],
              "#= \xb8\xfc\xb6\xe0\xb6\xa8\xd6\xc6\xb8\xb1\xb1\xbe\xb4\xb4\xd2\xe2\xbf\xc9\xd2\xd4"
              "\xc1\xaa\xcf\xb5\xd7\xf7\xd5\xdf\xb1\xe0\xd0\xb4");
    EXPECT_EQ(lines[7].size(), 35u);
    EXPECT_EQ(lines[8], hashes);
    EXPECT_EQ(lines[9], "");
    EXPECT_EQ(lines[10], "Header:");
    EXPECT_EQ(lines[11], "  Type: ATTENDANCE_DB");
    EXPECT_EQ(lines[12], "  Version: 1");
}

TEST(DefaultTemplates, ClientHeaderHas7CommentLinesInGbk) {
    std::string_view text = ClientHeaderTemplate;
    ASSERT_TRUE(text.ends_with("\r\n"));
    auto lines = splitCrlf(text);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], dashes);
    EXPECT_EQ(lines[1], "------ <<Pelverine>>");
    EXPECT_EQ(lines[2], "------ [Quillomar ] ");
    EXPECT_EQ(lines[3], "------ QQ:" + qq);
    EXPECT_EQ(lines[4], "------ DC:" + dc);
    EXPECT_EQ(lines[5],
              "------ \xb8\xfc\xb6\xe0\xb6\xa8\xd6\xc6\xb8\xb1\xb1\xbe\xb4\xb4\xd2\xe2\xbf\xc9\xd2\xd4"
              "\xc1\xaa\xcf\xb5\xd7\xf7\xd5\xdf\xb1\xe0\xd0\xb4");
    EXPECT_EQ(lines[5].size(), 39u);
    EXPECT_EQ(lines[6], dashes);
}

TEST(DefaultTemplates, AuthorContactsAreDigitsAndAHandle) {
    ASSERT_FALSE(qq.empty());
    EXPECT_EQ(qq.find_first_not_of("0123456789"), std::string::npos);
    EXPECT_FALSE(dc.empty());
}

TEST(DefaultTemplates, ClientMainIs15LinesAnd429BytesEndingWithoutLineEnd) {
    std::string_view text = ClientMainTemplate;
    EXPECT_EQ(text.size(), 429u);
    EXPECT_TRUE(text.ends_with("\r\nend"));
    auto lines = splitCrlf(text);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[0], "}");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "main = function()");
    EXPECT_EQ(lines[7], "  for k,rewardtbl in pairs(Reward) do");
    EXPECT_EQ(lines[13], "  return true, \"success\"");
    EXPECT_EQ(lines[14], "end");
    for (const auto& line : lines) EXPECT_FALSE(line.ends_with(" ")) << line;
}

}  // namespace
}  // namespace rewardcfg
