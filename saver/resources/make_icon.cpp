// Draws Velmora.scr's icon: soft additive spots of red, green and blue light
// streaming out of a dark rounded square, at 16, 32 and 48 pixels, and writes
// it as a Windows .ico file (32-bit colour with an AND mask per size).
//
//   make_icon <output.ico>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

struct Spot {
    float x, y;     // centre, 0..1 of the icon's size
    float radius;   // 0..1 of the icon's size
    float r, g, b;  // colour at the centre
};

// Spots along a curve from the centre outwards, growing as they come nearer,
// like the particle streams of the saver.
const Spot kSpots[] = {
    {0.50f, 0.50f, 0.10f, 1.0f, 1.0f, 1.0f},   {0.36f, 0.40f, 0.13f, 1.0f, 0.25f, 0.15f},
    {0.62f, 0.36f, 0.15f, 0.20f, 1.0f, 0.30f}, {0.60f, 0.64f, 0.17f, 0.25f, 0.40f, 1.0f},
    {0.30f, 0.66f, 0.19f, 1.0f, 0.85f, 0.20f}, {0.78f, 0.22f, 0.12f, 1.0f, 0.30f, 0.60f},
    {0.20f, 0.24f, 0.10f, 0.30f, 0.90f, 1.0f}, {0.80f, 0.80f, 0.13f, 0.90f, 1.0f, 0.40f},
};

struct Image {
    int size;
    std::vector<std::uint8_t> bgra;  // bottom-up rows, as the .ico format stores them
    std::vector<std::uint8_t> mask;  // 1 bit a pixel, rows padded to 32 bits
};

float Smooth(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

Image Draw(int size) {
    Image image{size, std::vector<std::uint8_t>(size * size * 4), {}};
    const int mask_stride = ((size + 31) / 32) * 4;
    image.mask.assign(mask_stride * size, 0);
    const float corner = 0.18f;
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            const float x = (px + 0.5f) / size;
            const float y = (py + 0.5f) / size;
            // Rounded square: distance outside the inner rectangle.
            const float dx = std::max(std::fabs(x - 0.5f) - (0.5f - corner), 0.0f);
            const float dy = std::max(std::fabs(y - 0.5f) - (0.5f - corner), 0.0f);
            const float outside = std::sqrt(dx * dx + dy * dy) - corner;
            const float coverage = 1.0f - Smooth(-0.5f / size, 0.5f / size, outside);

            float r = 0.02f, g = 0.02f, b = 0.06f;  // the dark ground
            for (const Spot& spot : kSpots) {
                const float d2 = ((x - spot.x) * (x - spot.x) + (y - spot.y) * (y - spot.y)) /
                                 (spot.radius * spot.radius);
                const float glow = std::exp(-2.5f * d2);
                r += spot.r * glow;
                g += spot.g * glow;
                b += spot.b * glow;
            }
            const int row = size - 1 - py;  // bottom-up
            std::uint8_t* out = &image.bgra[(row * size + px) * 4];
            out[0] = static_cast<std::uint8_t>(std::lround(std::min(b, 1.0f) * 255));
            out[1] = static_cast<std::uint8_t>(std::lround(std::min(g, 1.0f) * 255));
            out[2] = static_cast<std::uint8_t>(std::lround(std::min(r, 1.0f) * 255));
            out[3] = static_cast<std::uint8_t>(std::lround(coverage * 255));
            if (coverage < 0.5f) {
                image.mask[row * mask_stride + px / 8] |=
                    static_cast<std::uint8_t>(0x80 >> (px % 8));
            }
        }
    }
    return image;
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::vector<std::uint8_t> Entry(const Image& image) {
    std::vector<std::uint8_t> dib;
    Put32(dib, 40);              // BITMAPINFOHEADER size
    Put32(dib, image.size);      // width
    Put32(dib, image.size * 2);  // height: colour and mask
    Put16(dib, 1);               // planes
    Put16(dib, 32);              // bits a pixel
    Put32(dib, 0);               // BI_RGB
    Put32(dib, static_cast<std::uint32_t>(image.bgra.size() + image.mask.size()));
    Put32(dib, 0);
    Put32(dib, 0);
    Put32(dib, 0);
    Put32(dib, 0);
    dib.insert(dib.end(), image.bgra.begin(), image.bgra.end());
    dib.insert(dib.end(), image.mask.begin(), image.mask.end());
    return dib;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon <output.ico>\n");
        return 2;
    }
    const int sizes[] = {48, 32, 16};
    std::vector<std::vector<std::uint8_t>> entries;
    for (int size : sizes) {
        entries.push_back(Entry(Draw(size)));
    }
    std::vector<std::uint8_t> file;
    Put16(file, 0);  // reserved
    Put16(file, 1);  // icon
    Put16(file, static_cast<std::uint32_t>(entries.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        file.push_back(static_cast<std::uint8_t>(sizes[i]));
        file.push_back(static_cast<std::uint8_t>(sizes[i]));
        file.push_back(0);  // no palette
        file.push_back(0);
        Put16(file, 1);   // planes
        Put16(file, 32);  // bits a pixel
        Put32(file, static_cast<std::uint32_t>(entries[i].size()));
        Put32(file, offset);
        offset += static_cast<std::uint32_t>(entries[i].size());
    }
    for (const auto& entry : entries) {
        file.insert(file.end(), entry.begin(), entry.end());
    }
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(file.data(), 1, file.size(), out) != file.size()) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    std::fclose(out);
    return 0;
}
