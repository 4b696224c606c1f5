#pragma once
// The files the effect's pictures are written as, the icons and the preview
// still: a rendered frame shrunk to size, reduced to a palette for the icons,
// and put into BMP and ICO files byte by byte.

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

    Rgb At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The picture at a smaller size: each pixel the average of the area it
// covers (of whole factor x factor blocks where the sizes divide).
Picture Shrink(const Picture& picture, int width, int height);

// A palette of at most `colours` entries chosen by median cut.
std::vector<Rgb> MedianCutPalette(const std::vector<Rgb>& pixels, int colours);

// The index of the nearest palette entry for every pixel.
std::vector<uint8_t> MapToPalette(const Picture& picture, const std::vector<Rgb>& palette);

// A 24-bit uncompressed BMP file.
std::vector<uint8_t> BmpFile(const Picture& picture);

// One image of an icon file: 4 bits (16 colours) or 8 bits (256 colours),
// fully opaque, with its own palette.
struct IconImage {
    Picture picture;
    int bits_per_pixel = 4;
};
std::vector<uint8_t> IcoFile(const std::vector<IconImage>& images);

bool WriteBytesToFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace velmora::pictures
