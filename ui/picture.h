#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "win32_handles.h"

namespace rewardcfg::ui {

// Opaque 32-bit pixels, top-down rows, 0x00RRGGBB as a DIB section expects.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> data;
};

// Decodes a PNG held in memory; transparent parts are blended over `background`.
std::optional<Pixels> decodePng(std::span<const uint8_t> bytes, COLORREF background);

// The same, decoded straight into a new 32-bit bitmap; empty when it fails.
BitmapHandle decodePngBitmap(std::span<const uint8_t> bytes, COLORREF background);

// Shrinks by area averaging, so every source pixel counts by its covered share.
Pixels shrink(const Pixels& source, int width, int height);

// The largest uniform shrink of `source` that fits width × height.
Pixels shrinkToFit(const Pixels& source, int width, int height);

// `picture` centred on a canvas of the given size filled with `background`.
Pixels centredOn(const Pixels& picture, int width, int height, COLORREF background);

BitmapHandle makeBitmap(const Pixels& pixels);

}  // namespace rewardcfg::ui
