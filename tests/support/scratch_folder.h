#pragma once

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

namespace rewardcfg::testing {

// A new empty folder under the system's temporary folder, removed with its
// contents when this object goes. Creating the folder is what reserves its name,
// so parallel test processes never share one.
class ScratchFolder {
public:
    explicit ScratchFolder(std::string_view purpose) {
        const auto base = std::filesystem::temp_directory_path();
        const std::string stem = "rewardcfg-" + std::string(purpose) + "-";
        for (int n = 0; !std::filesystem::create_directory(path_ = base / (stem + std::to_string(n))); ++n) {
        }
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Names of everything in the folder: stray temporary files show here.
    std::set<std::string> entries() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.insert(entry.path().filename().string());
        return names;
    }

    std::string fileBytes(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return std::move(bytes).str();
    }

private:
    std::filesystem::path path_;
};

// A scratch folder that is the current directory while this object lives, as
// the program's folder is at run time.
class CurrentScratchFolder : public ScratchFolder {
public:
    explicit CurrentScratchFolder(std::string_view purpose)
        : ScratchFolder(purpose), previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(path());
    }
    ~CurrentScratchFolder() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

}  // namespace rewardcfg::testing
