#pragma once

#include <windows.h>

#include <utility>

namespace rewardcfg::ui {

// Owns one Win32 handle and releases it with `Close` when it goes.
template <typename Handle, auto Close, Handle Empty = Handle{}>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Empty)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, Empty));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Empty; }
    void reset(Handle handle = Empty) {
        if (handle_ != Empty) Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Empty;
};

inline void closeKernelHandle(HANDLE handle) { ::CloseHandle(handle); }
inline void deleteGdiObject(HGDIOBJ object) { ::DeleteObject(object); }
inline void freeModule(HMODULE module) { ::FreeLibrary(module); }
inline void destroyIcon(HICON icon) { ::DestroyIcon(icon); }

using KernelHandle = UniqueHandle<HANDLE, closeKernelHandle>;
using BitmapHandle = UniqueHandle<HBITMAP, deleteGdiObject>;
using FontHandle = UniqueHandle<HFONT, deleteGdiObject>;
using BrushHandle = UniqueHandle<HBRUSH, deleteGdiObject>;
using ModuleHandle = UniqueHandle<HMODULE, freeModule>;
using IconHandle = UniqueHandle<HICON, destroyIcon>;

}  // namespace rewardcfg::ui
