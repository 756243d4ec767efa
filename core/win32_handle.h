#pragma once

#include <memory>

#include <windows.h>

namespace rewardcfg {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};

// Owns a kernel handle; empty when the call that made it failed.
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// CreateFileW reports failure as INVALID_HANDLE_VALUE rather than null.
inline UniqueHandle ownFileHandle(HANDLE handle) {
    return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

}  // namespace rewardcfg
