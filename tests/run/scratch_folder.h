#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace rewardcfg::testing {

// Each case runs in a new empty folder that is the current directory while it
// runs, as the program's folder is for the real run; removed afterwards.
class ScratchFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        for (int n = 0;; ++n) {
            folder_ = base / ("rewardcfg-run-" + std::to_string(n));
            if (std::filesystem::create_directory(folder_)) break;
        }
        std::filesystem::current_path(folder_);
    }

    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // Names of everything in the folder: shows stray temporary files too.
    static std::set<std::string> folderEntries() {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator("."))
            names.insert(entry.path().filename().string());
        return names;
    }

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
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};

}  // namespace rewardcfg::testing
