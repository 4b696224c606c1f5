#include "resources/generators/effect_pictures/picture_files.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>

namespace velmora::pictures {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

uint8_t Channel(const Rgb& pixel, int c) {
    return c == 0 ? pixel.r : c == 1 ? pixel.g : pixel.b;
}

size_t RowBytes(int width, int bits_per_pixel) {
    return (static_cast<size_t>(width) * bits_per_pixel + 31) / 32 * 4;
}

void PutInfoHeader(std::vector<uint8_t>& out, int width, int height, int bits_per_pixel,
                   uint32_t image_bytes, uint32_t colours_used) {
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(bits_per_pixel));
    Put32(out, 0);  // uncompressed
    Put32(out, image_bytes);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, colours_used);
    Put32(out, 0);
}

struct Box {
    std::vector<Rgb> pixels;
    int WidestChannel() const {
        int best = 0;
        int best_range = -1;
        for (int c = 0; c < 3; ++c) {
            const auto [low, high] = std::minmax_element(
                pixels.begin(), pixels.end(),
                [c](const Rgb& a, const Rgb& b) { return Channel(a, c) < Channel(b, c); });
            const int range = Channel(*high, c) - Channel(*low, c);
            if (range > best_range) {
                best_range = range;
                best = c;
            }
        }
        return best;
    }
    int Range() const {
        const int c = WidestChannel();
        const auto [low, high] = std::minmax_element(
            pixels.begin(), pixels.end(),
            [c](const Rgb& a, const Rgb& b) { return Channel(a, c) < Channel(b, c); });
        return Channel(*high, c) - Channel(*low, c);
    }
    Rgb Mean() const {
        std::array<uint64_t, 3> sum{};
        for (const Rgb& p : pixels) {
            sum[0] += p.r;
            sum[1] += p.g;
            sum[2] += p.b;
        }
        const uint64_t n = pixels.size();
        return Rgb{static_cast<uint8_t>((sum[0] + n / 2) / n),
                   static_cast<uint8_t>((sum[1] + n / 2) / n),
                   static_cast<uint8_t>((sum[2] + n / 2) / n)};
    }
};

}  // namespace

Picture Shrink(const Picture& picture, int width, int height) {
    // Source pixel x spans [x * width, (x + 1) * width) and target pixel t spans
    // [t * picture.width, (t + 1) * picture.width) on one integer axis; a source
    // pixel weighs by its overlap with the target, both ways.
    const auto overlap = [](int source, int source_length, int target, int target_length) {
        const std::int64_t from = std::max<std::int64_t>(std::int64_t{source} * target_length,
                                                         std::int64_t{target} * source_length);
        const std::int64_t to = std::min<std::int64_t>(std::int64_t{source + 1} * target_length,
                                                       std::int64_t{target + 1} * source_length);
        return std::max<std::int64_t>(to - from, 0);
    };
    Picture small{width, height, {}};
    const std::int64_t total = std::int64_t{picture.width} * picture.height;
    for (int y = 0; y < height; ++y) {
        const int first_y = y * picture.height / height;
        const int last_y = ((y + 1) * picture.height - 1) / height;
        for (int x = 0; x < width; ++x) {
            const int first_x = x * picture.width / width;
            const int last_x = ((x + 1) * picture.width - 1) / width;
            std::array<std::int64_t, 3> sum{};
            for (int sy = first_y; sy <= last_y; ++sy) {
                const std::int64_t weight_y = overlap(sy, picture.height, y, height);
                for (int sx = first_x; sx <= last_x; ++sx) {
                    const std::int64_t weight = weight_y * overlap(sx, picture.width, x, width);
                    const Rgb p = picture.At(sx, sy);
                    sum[0] += weight * p.r;
                    sum[1] += weight * p.g;
                    sum[2] += weight * p.b;
                }
            }
            small.pixels.push_back(Rgb{static_cast<uint8_t>((sum[0] + total / 2) / total),
                                       static_cast<uint8_t>((sum[1] + total / 2) / total),
                                       static_cast<uint8_t>((sum[2] + total / 2) / total)});
        }
    }
    return small;
}

std::vector<Rgb> MedianCutPalette(const std::vector<Rgb>& pixels, int colours) {
    std::vector<Box> boxes;
    if (pixels.empty()) {
        return {Rgb{}};
    }
    boxes.push_back(Box{pixels});
    while (static_cast<int>(boxes.size()) < colours) {
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return a.Range() < b.Range();
        });
        if (widest->Range() == 0) {
            break;
        }
        const int c = widest->WidestChannel();
        std::vector<Rgb> lower = std::move(widest->pixels);
        std::sort(lower.begin(), lower.end(),
                  [c](const Rgb& a, const Rgb& b) { return Channel(a, c) < Channel(b, c); });
        std::vector<Rgb> upper(lower.begin() + static_cast<long>(lower.size() / 2), lower.end());
        lower.resize(lower.size() / 2);
        widest->pixels = std::move(lower);
        boxes.push_back(Box{std::move(upper)});
    }
    std::vector<Rgb> palette;
    palette.reserve(boxes.size());
    for (const Box& box : boxes) {
        palette.push_back(box.Mean());
    }
    return palette;
}

std::vector<uint8_t> MapToPalette(const Picture& picture, const std::vector<Rgb>& palette) {
    std::vector<uint8_t> indices;
    indices.reserve(picture.pixels.size());
    for (const Rgb& p : picture.pixels) {
        int best = 0;
        int best_distance = 1 << 30;
        for (size_t i = 0; i < palette.size(); ++i) {
            const int dr = p.r - palette[i].r;
            const int dg = p.g - palette[i].g;
            const int db = p.b - palette[i].b;
            const int distance = dr * dr + dg * dg + db * db;
            if (distance < best_distance) {
                best_distance = distance;
                best = static_cast<int>(i);
            }
        }
        indices.push_back(static_cast<uint8_t>(best));
    }
    return indices;
}

std::vector<uint8_t> BmpFile(const Picture& picture) {
    const size_t stride = RowBytes(picture.width, 24);
    const uint32_t image_bytes = static_cast<uint32_t>(stride * picture.height);
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, 14 + 40 + image_bytes);
    Put32(out, 0);
    Put32(out, 14 + 40);
    PutInfoHeader(out, picture.width, picture.height, 24, image_bytes, 0);
    for (int y = picture.height - 1; y >= 0; --y) {
        const size_t start = out.size();
        for (int x = 0; x < picture.width; ++x) {
            const Rgb p = picture.At(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        out.resize(start + stride, 0);
    }
    return out;
}

std::vector<uint8_t> IcoFile(const std::vector<IconImage>& images) {
    std::vector<std::vector<uint8_t>> bodies;
    for (const IconImage& image : images) {
        const Picture& picture = image.picture;
        const int colours = 1 << image.bits_per_pixel;
        std::vector<Rgb> palette = MedianCutPalette(picture.pixels, colours);
        const std::vector<uint8_t> indices = MapToPalette(picture, palette);
        palette.resize(static_cast<size_t>(colours));

        const size_t colour_stride = RowBytes(picture.width, image.bits_per_pixel);
        const size_t mask_stride = RowBytes(picture.width, 1);
        const uint32_t image_bytes =
            static_cast<uint32_t>((colour_stride + mask_stride) * picture.height);
        std::vector<uint8_t> body;
        // The height counts the colour image and the transparency mask.
        PutInfoHeader(body, picture.width, picture.height * 2, image.bits_per_pixel, image_bytes,
                      static_cast<uint32_t>(colours));
        for (const Rgb& entry : palette) {
            body.push_back(entry.b);
            body.push_back(entry.g);
            body.push_back(entry.r);
            body.push_back(0);
        }
        for (int y = picture.height - 1; y >= 0; --y) {
            std::vector<uint8_t> row(colour_stride, 0);
            for (int x = 0; x < picture.width; ++x) {
                const uint8_t index = indices[static_cast<size_t>(y) * picture.width + x];
                if (image.bits_per_pixel == 8) {
                    row[static_cast<size_t>(x)] = index;
                } else {
                    row[static_cast<size_t>(x / 2)] |=
                        static_cast<uint8_t>(x % 2 == 0 ? index << 4 : index);
                }
            }
            body.insert(body.end(), row.begin(), row.end());
        }
        body.resize(body.size() + mask_stride * picture.height, 0);  // all opaque
        bodies.push_back(std::move(body));
    }

    std::vector<uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);  // icon
    Put16(out, static_cast<uint32_t>(images.size()));
    uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const IconImage& image = images[i];
        out.push_back(static_cast<uint8_t>(image.picture.width));
        out.push_back(static_cast<uint8_t>(image.picture.height));
        out.push_back(static_cast<uint8_t>(image.bits_per_pixel == 4 ? 16 : 0));
        out.push_back(0);
        Put16(out, 1);
        Put16(out, static_cast<uint32_t>(image.bits_per_pixel));
        Put32(out, static_cast<uint32_t>(bodies[i].size()));
        Put32(out, offset);
        offset += static_cast<uint32_t>(bodies[i].size());
    }
    for (const auto& body : bodies) {
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

bool WriteBytesToFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace velmora::pictures
