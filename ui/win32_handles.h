#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

#include "win32_handle.h"

namespace rewardcfg::ui {

// Owners of the window's GDI objects and loaded modules; kernel handles use
// the core's owner.
struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct ModuleDeleter {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

using KernelHandle = rewardcfg::UniqueHandle;
using BitmapHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using ModuleHandle = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleDeleter>;

}  // namespace rewardcfg::ui
