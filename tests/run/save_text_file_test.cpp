#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "run/scratch_folder.h"
#include "save_text_file.h"

namespace rewardcfg {
namespace {

using namespace std::string_literals;
using SaveTextFileTest = testing::ScratchFolderTest;

TEST_F(SaveTextFileTest, WritesTheBytesAsTheyAreAndReplacesTheWholeFile) {
    const std::string megabyte(1 << 20, 'x');
    // One after another into the same file, so each also replaces the one before.
    const std::string texts[] = {
        megabyte,
        "line\r\nline\r\n",
        "lone LF\n lone CR\r Ctrl-Z \x1a zero \0 byte"s,
        "\xb5\xc0\xbe\xdf\r\n",  // GBK
        "",
        "no line end",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text.substr(0, 20));
        EXPECT_TRUE(saveTextFile("out.txt", text));
        EXPECT_EQ(fileBytes("out.txt"), text);
        EXPECT_EQ(folderEntries(), std::set<std::string>{"out.txt"});
    }
}

TEST_F(SaveTextFileTest, FolderInTheWayIsLeftAloneWithNothingBesideIt) {
    std::filesystem::create_directory("out.txt");
    writeBytes("out.txt/kept.txt", "kept");
    EXPECT_FALSE(saveTextFile("out.txt", "new"));
    EXPECT_EQ(fileBytes("out.txt/kept.txt"), "kept");
    EXPECT_EQ(folderEntries(), std::set<std::string>{"out.txt"});
}

TEST_F(SaveTextFileTest, MissingFolderWritesNothing) {
    EXPECT_FALSE(saveTextFile("missing/out.txt", "new"));
    EXPECT_TRUE(folderEntries().empty());
}

}  // namespace
}  // namespace rewardcfg
