#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "renderer/offscreen/offscreen_surface.h"

namespace velmora::pictures {

using renderer::Rgb;

// A picture as RGB pixels, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Rgb at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Averages each factor x factor block into one pixel.
Picture shrink(const Picture& picture, int factor);

// A palette of at most `colours` entries chosen by median cut.
std::vector<Rgb> median_cut_palette(const std::vector<Rgb>& pixels, int colours);

// The index of the nearest palette entry for every pixel.
std::vector<uint8_t> map_to_palette(const Picture& picture, const std::vector<Rgb>& palette);

// A 24-bit uncompressed BMP file.
std::vector<uint8_t> bmp_file(const Picture& picture);

// One image of an icon file: 4 bits (16 colours) or 8 bits (256 colours),
// fully opaque, with its own palette.
struct IconImage {
    Picture picture;
    int bits_per_pixel = 4;
};
std::vector<uint8_t> ico_file(const std::vector<IconImage>& images);

bool write_file(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace velmora::pictures
