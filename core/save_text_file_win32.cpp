#include "save_text_file.h"

#include <algorithm>
#include <string>

#include <windows.h>

#include "ansi_code_page.h"
#include "win32_handle.h"

namespace rewardcfg {
namespace {

bool writeAll(HANDLE file, std::string_view text) {
    while (!text.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(text.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, text.data(), chunk, &written, nullptr) || written == 0) return false;
        text.remove_prefix(written);
    }
    return true;
}

// A new file beside the target that is deleted again unless it was moved onto it.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::wstring& target) {
        // Plain string work: std::filesystem would add half a megabyte to each program.
        const size_t nameStart = target.find_last_of(L"\\/") + 1;  // 0 for a bare name
        const std::wstring folder = target.substr(0, nameStart);
        const std::wstring stem = L"." + target.substr(nameStart) + L"." + std::to_wstring(GetCurrentProcessId());
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::wstring candidate = folder + stem + L"-" + std::to_wstring(attempt) + L".tmp";
            handle_ = ownFileHandle(
                CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
            if (handle_) {
                path_ = std::move(candidate);
                return;
            }
            if (GetLastError() != ERROR_FILE_EXISTS) return;
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        handle_.reset();
        if (!path_.empty()) DeleteFileW(path_.c_str());
    }

    HANDLE handle() const { return handle_.get(); }

    // ERROR_SUCCESS, or why the target could not be replaced.
    DWORD moveOnto(const std::wstring& target) {
        if (!CloseHandle(handle_.release())) return GetLastError();
        if (!MoveFileExW(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return GetLastError();
        path_.clear();
        return ERROR_SUCCESS;
    }

private:
    UniqueHandle handle_;
    std::wstring path_;  // empty unless this object created the file
};

// For a target that another program holds open: replacing it is refused, but
// if that program shares writing, the file can still be rewritten in place.
// The new bytes go over the old ones first and the old tail is cut after, so a
// reader never sees the file empty.
bool overwriteInPlace(const std::wstring& target, std::string_view text) {
    const UniqueHandle file = ownFileHandle(CreateFileW(target.c_str(), GENERIC_WRITE,
                                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && writeAll(file.get(), text) && SetEndOfFile(file.get()) && FlushFileBuffers(file.get());
}

}  // namespace

bool saveTextFile(std::string_view name, std::string_view text) {
    const std::wstring target = ansiToWide(name);
    TemporaryFile temporary(target);
    if (!temporary.handle()) return false;
    if (!writeAll(temporary.handle(), text) || !FlushFileBuffers(temporary.handle())) return false;

    const DWORD refusal = temporary.moveOnto(target);
    if (refusal == ERROR_SUCCESS) return true;
    // A file held open elsewhere refuses the replace with one of these; so do a
    // read-only file and a folder, which the in-place open then refuses as well.
    if (refusal == ERROR_ACCESS_DENIED || refusal == ERROR_SHARING_VIOLATION) return overwriteInPlace(target, text);
    return false;
}

}  // namespace rewardcfg
