#include "save_text_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace rewardcfg {
namespace {

class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ~UniqueFd() {
        if (fd_ >= 0) ::close(fd_);
    }

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Closing can report a late write error, so callers that care ask for it.
    bool close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        text.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// A new file beside the target that is removed again unless it was renamed onto it.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target) {
        const std::string stem = "." + target.filename().string() + "." + std::to_string(::getpid());
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::filesystem::path candidate = target;
            candidate.replace_filename(stem + "-" + std::to_string(attempt) + ".tmp");
            // 0666 lets the umask decide, as for any file the user creates.
            fd_ = UniqueFd(::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
            if (fd_) {
                path_ = std::move(candidate);
                return;
            }
            if (errno != EEXIST) return;
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        fd_ = UniqueFd();
        if (!path_.empty()) ::unlink(path_.c_str());
    }

    int fd() const { return fd_.get(); }

    bool moveOnto(const std::filesystem::path& target) {
        if (!fd_.close() || std::rename(path_.c_str(), target.c_str()) != 0) return false;
        path_.clear();
        return true;
    }

private:
    UniqueFd fd_;
    std::filesystem::path path_;  // empty unless this object created the file
};

}  // namespace

bool saveTextFile(std::string_view name, std::string_view text) {
    const std::filesystem::path target(name);
    TemporaryFile temporary(target);
    if (temporary.fd() < 0) return false;
    if (!writeAll(temporary.fd(), text) || ::fsync(temporary.fd()) != 0) return false;
    return temporary.moveOnto(target);
}

}  // namespace rewardcfg
