#include "images.h"

#include <algorithm>
#include <map>

namespace {

std::map<int, Image>& Store() {
    static std::map<int, Image> store;
    return store;
}

std::uint32_t Blend(std::uint32_t below, std::uint32_t above) {
    unsigned alpha = above >> 24;
    if (alpha == 255) return above | 0xFF000000u;
    if (alpha == 0) return below;
    std::uint32_t out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        unsigned a = above >> shift & 255, b = below >> shift & 255;
        out |= ((a * alpha + b * (255 - alpha) + 127) / 255) << shift;
    }
    return out;
}

} // namespace

void StoreImage(int number, Image image) {
    Store()[number] = std::move(image);
}

void ForgetImage(int number) { Store().erase(number); }

void CreateSurface(int number, int width, int height) {
    Image surface;
    surface.width = width;
    surface.height = height;
    surface.pixels.assign(std::size_t(width) * height, 0xFF000000u);
    StoreImage(number, std::move(surface));
}

const Image* FindImage(int number) {
    auto found = Store().find(number);
    return found == Store().end() ? nullptr : &found->second;
}

void DrawImageOnSurface(int surface, int image, int x, int y) {
    auto target = Store().find(surface);
    const Image* source = FindImage(image);
    if (target == Store().end() || !source || surface == image) return;
    Image& canvas = target->second;
    for (int row = std::max(0, -y); row < source->height && y + row < canvas.height; ++row)
        for (int column = std::max(0, -x); column < source->width && x + column < canvas.width; ++column) {
            std::uint32_t& below = canvas.pixels[std::size_t(y + row) * canvas.width + x + column];
            std::uint32_t above = source->pixels[std::size_t(row) * source->width + column];
            below = source->hasAlpha ? Blend(below, above) : (above | 0xFF000000u);
        }
}

void FillSurfaceBox(int surface, int x, int y, int width, int height, Colour colour) {
    auto target = Store().find(surface);
    if (target == Store().end()) return;
    Image& canvas = target->second;
    int left = std::max(0, x), top = std::max(0, y);
    int right = std::min(canvas.width, x + width), bottom = std::min(canvas.height, y + height);
    std::uint32_t argb = 0xFF000000u | std::uint32_t(RedOf(colour)) << 16 | std::uint32_t(GreenOf(colour)) << 8 |
                         std::uint32_t(BlueOf(colour));
    for (int row = top; row < bottom; ++row)
        std::fill_n(canvas.pixels.begin() + std::ptrdiff_t(row) * canvas.width + left, std::max(0, right - left), argb);
}

void FreeAllImages() { Store().clear(); }
