#pragma once
#include "colour.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Numbered images: decoded pictures and drawing surfaces, in a number space of their own.
// GUI thread only.

struct Image {
    int width = 0;
    int height = 0;
    bool hasAlpha = false;
    std::vector<std::uint32_t> pixels; // 0xAARRGGBB, row by row; opaque pictures have alpha 255
};

// A 24-bit drawing surface of the given size, all black. Replaces any image under that number.
void CreateSurface(int number, int width, int height);

// Decodes PNG bytes into an image of the picture's own size, keeping its alpha channel.
// A picture that fails to decode leaves the number empty (no image at all).
void DecodePngImage(int number, const unsigned char* data, std::size_t size);

// The image under a number, or null when there is none.
const Image* FindImage(int number);

// Draws an image onto a surface with its top-left corner at (x, y), clipped to the surface;
// pictures with alpha are blended by it. Nothing happens when either number is empty.
void DrawImageOnSurface(int surface, int image, int x, int y);

// A solid box clipped to the surface; a box of width or height 0 or less draws nothing.
void FillSurfaceBox(int surface, int x, int y, int width, int height, Colour colour);

void FreeAllImages();

// For the decoders: put a finished image under a number, or empty the number.
void StoreImage(int number, Image image);
void ForgetImage(int number);
