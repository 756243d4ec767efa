#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "support/scratch_folder.h"

namespace rewardcfg::testing {

// Each case runs in a new empty folder that is the current directory while it
// runs, as the program's folder is for the real run; removed afterwards.
class ScratchFolderTest : public ::testing::Test {
protected:
    void SetUp() override { folder_.emplace("run"); }
    void TearDown() override { folder_.reset(); }

    // Names of everything in the folder: shows stray temporary files too.
    std::set<std::string> folderEntries() const { return folder_->entries(); }

    static std::optional<std::string> fileBytes(const std::filesystem::path& name) {
        if (!std::filesystem::is_regular_file(name)) return std::nullopt;
        std::ifstream in(name, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return std::move(bytes).str();
    }

    static void writeBytes(const std::filesystem::path& name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary | std::ios::trunc) << bytes;
    }

private:
    std::optional<CurrentScratchFolder> folder_;
};

}  // namespace rewardcfg::testing
