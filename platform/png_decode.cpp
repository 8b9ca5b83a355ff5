#include "images.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace {

struct MemoryReader {
    const unsigned char* data;
    std::size_t size;
    std::size_t offset;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (count > reader->size - reader->offset) png_error(png, "truncated picture");
    std::memcpy(out, reader->data + reader->offset, count);
    reader->offset += count;
}

void IgnoreWarning(png_structp, png_const_charp) {}

} // namespace

void DecodePngImage(int number, const unsigned char* data, std::size_t size) {
    ForgetImage(number);
    if (!data || size < 8 || png_sig_cmp(data, 0, 8) != 0) return;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, IgnoreWarning);
    if (!png) return;
    png_infop info = png_create_info_struct(png);
    MemoryReader reader{data, size, 0};
    Image image;
    std::vector<png_bytep> rows;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        return;
    }
    png_set_read_fn(png, &reader, ReadFromMemory);
    png_read_info(png, info);
    int colourType = png_get_color_type(png, info);
    image.width = int(png_get_image_width(png, info));
    image.height = int(png_get_image_height(png, info));
    image.hasAlpha = (colourType & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
    // Everything is turned into 8-bit BGRA words, which on little-endian hosts read as 0xAARRGGBB.
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    image.pixels.resize(std::size_t(image.width) * image.height);
    rows.resize(image.height);
    for (int row = 0; row < image.height; ++row)
        rows[row] = reinterpret_cast<png_bytep>(image.pixels.data() + std::size_t(row) * image.width);
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    StoreImage(number, std::move(image));
}
