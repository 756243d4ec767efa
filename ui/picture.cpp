#include "picture.h"

#include <png.h>

#include <algorithm>
#include <cmath>

namespace rewardcfg::ui {
namespace {

uint32_t rgb(COLORREF color) { return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color); }

uint8_t blend(uint8_t foreground, uint8_t background, uint8_t alpha) {
    return static_cast<uint8_t>((foreground * alpha + background * (255 - alpha) + 127) / 255);
}

// Weights of the source cells that output cell `index` covers, along one axis.
struct Span {
    int first;
    std::vector<double> weights;
};

std::vector<Span> coverage(int sourceSize, int targetSize) {
    std::vector<Span> spans(static_cast<size_t>(targetSize));
    const double scale = static_cast<double>(sourceSize) / targetSize;
    for (int i = 0; i < targetSize; ++i) {
        const double from = i * scale, to = (i + 1) * scale;
        Span& span = spans[static_cast<size_t>(i)];
        span.first = static_cast<int>(std::floor(from));
        const int last = std::min(sourceSize - 1, static_cast<int>(std::ceil(to)) - 1);
        for (int s = span.first; s <= last; ++s)
            span.weights.push_back((std::min<double>(to, s + 1) - std::max<double>(from, s)) / scale);
    }
    return spans;
}

// Finishes reading `image` into `target` (width × height pixels) and blends
// every pixel over `background` in place, leaving 0x00RRGGBB.
bool finishDecode(png_image& image, uint32_t* target, COLORREF background) {
    image.format = PNG_FORMAT_BGRA;
    if (!png_image_finish_read(&image, nullptr, target, 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    const uint8_t br = GetRValue(background), bg = GetGValue(background), bb = GetBValue(background);
    auto* bytes = reinterpret_cast<uint8_t*>(target);
    const size_t count = static_cast<size_t>(image.width) * image.height;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* p = &bytes[i * 4];
        const uint8_t alpha = p[3];
        target[i] = alpha == 255
                        ? (static_cast<uint32_t>(p[2]) << 16) | (p[1] << 8) | p[0]
                        : (blend(p[2], br, alpha) << 16) | (blend(p[1], bg, alpha) << 8) | blend(p[0], bb, alpha);
    }
    return true;
}

bool beginDecode(png_image& image, std::span<const uint8_t> bytes) {
    image = {};
    image.version = PNG_IMAGE_VERSION;
    return png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) != 0;
}

BITMAPINFO topDownInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

std::optional<Pixels> decodePng(std::span<const uint8_t> bytes, COLORREF background) {
    png_image image;
    if (!beginDecode(image, bytes)) return std::nullopt;
    Pixels pixels{static_cast<int>(image.width), static_cast<int>(image.height), {}};
    pixels.data.resize(static_cast<size_t>(pixels.width) * pixels.height);
    if (!finishDecode(image, pixels.data.data(), background)) return std::nullopt;
    return pixels;
}

BitmapHandle decodePngBitmap(std::span<const uint8_t> bytes, COLORREF background) {
    png_image image;
    if (!beginDecode(image, bytes)) return nullptr;
    const BITMAPINFO info = topDownInfo(static_cast<int>(image.width), static_cast<int>(image.height));
    void* bits = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) {
        png_image_free(&image);
        return nullptr;
    }
    // Straight into the bitmap's own memory: no copy of a picture this large.
    if (!finishDecode(image, static_cast<uint32_t*>(bits), background)) return nullptr;
    return bitmap;
}

Pixels shrink(const Pixels& source, int width, int height) {
    const auto columns = coverage(source.width, width);
    const auto rows = coverage(source.height, height);
    Pixels target{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
        const Span& row = rows[static_cast<size_t>(y)];
        for (int x = 0; x < width; ++x) {
            const Span& column = columns[static_cast<size_t>(x)];
            double sum[3] = {0, 0, 0};
            for (size_t j = 0; j < row.weights.size(); ++j) {
                const uint32_t* line =
                    &source.data[static_cast<size_t>(row.first + static_cast<int>(j)) * source.width];
                for (size_t i = 0; i < column.weights.size(); ++i) {
                    const double w = row.weights[j] * column.weights[i];
                    const uint32_t p = line[column.first + static_cast<int>(i)];
                    sum[0] += w * ((p >> 16) & 0xFF);
                    sum[1] += w * ((p >> 8) & 0xFF);
                    sum[2] += w * (p & 0xFF);
                }
            }
            auto channel = [](double v) { return static_cast<uint32_t>(std::clamp(std::lround(v), 0L, 255L)); };
            target.data[static_cast<size_t>(y) * width + x] = (channel(sum[0]) << 16) | (channel(sum[1]) << 8) |
                                                              channel(sum[2]);
        }
    }
    return target;
}

Pixels shrinkToFit(const Pixels& source, int width, int height) {
    if (source.width <= width && source.height <= height) return source;
    const double scale = std::min(static_cast<double>(width) / source.width,
                                  static_cast<double>(height) / source.height);
    return shrink(source, std::max(1, static_cast<int>(std::lround(source.width * scale))),
                  std::max(1, static_cast<int>(std::lround(source.height * scale))));
}

Pixels centredOn(const Pixels& picture, int width, int height, COLORREF background) {
    Pixels canvas{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, rgb(background))};
    const int left = (width - picture.width) / 2, top = (height - picture.height) / 2;
    for (int y = std::max(0, -top); y < picture.height && y + top < height; ++y)
        for (int x = std::max(0, -left); x < picture.width && x + left < width; ++x)
            canvas.data[static_cast<size_t>(y + top) * width + (x + left)] =
                picture.data[static_cast<size_t>(y) * picture.width + x];
    return canvas;
}

BitmapHandle makeBitmap(const Pixels& pixels) {
    const BITMAPINFO info = topDownInfo(pixels.width, pixels.height);
    void* bits = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap && bits) std::copy(pixels.data.begin(), pixels.data.end(), static_cast<uint32_t*>(bits));
    return bitmap;
}

}  // namespace rewardcfg::ui
