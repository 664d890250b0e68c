#pragma once
// The pixels of a raster frame: 0xffRRGGBB each, row after row with no padding. On this
// little-endian platform that is the memory layout of a 32-bit RGB image, so a host can show the
// buffer without converting it.
#include <cstddef>
#include <cstdint>
#include <vector>

struct PixelBuffer {
    int width = 0;  // device pixels
    int height = 0;
    double scale = 1;  // device pixels per pixel of the picture, each way
    std::vector<std::uint32_t> pixels;

    std::uint32_t* Row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};
