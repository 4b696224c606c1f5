// Renders Velmora's own effect offscreen and writes the pictures the programs
// carry: the preview still and the icons. Usage: effect_pictures <folder>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "renderer/core/random15.h"
#include "renderer/gl/effect_drawing.h"
#include "drawing/core/picture_scale.h"
#include "resources/generators/effect_pictures/picture_files.h"

namespace velmora::pictures {
namespace {

// A fixed seed keeps the committed pictures reproducible.
constexpr uint32_t kSeed = 1999u;

// The same effect with a thin cloud, so a few spots still read at 32 x 32.
renderer::EffectParameters ThinCloud() {
    renderer::EffectParameters parameters = renderer::StandardEffectParameters();
    parameters.effect_count = 2;
    parameters.particle_count = 36;
    parameters.sample_count = 24;
    return parameters;
}

Picture RenderEffect(const renderer::EffectParameters& parameters, int width, int height,
                     int frames) {
    renderer::OffscreenSurface surface(width, height);
    if (!surface.Ready()) {
        return {};
    }
    renderer::EffectDrawing drawing;
    drawing.SetUp(renderer::SingleView(width, height), parameters, renderer::Random15(kSeed));
    for (int i = 0; i < frames; ++i) {
        drawing.DrawFrame();
    }
    Picture picture{width, height, surface.Picture()};
    drawing.TearDown();
    return picture;
}

// Soft coloured lights on black: the settings dialog's icon.
Picture LightSpots(int size) {
    struct Spot {
        float x, y, radius;
        Rgb colour;
    };
    const Spot spots[] = {{0.30f, 0.32f, 0.17f, Rgb{40, 255, 60}},
                          {0.70f, 0.30f, 0.15f, Rgb{255, 230, 40}},
                          {0.34f, 0.72f, 0.15f, Rgb{255, 40, 30}},
                          {0.70f, 0.70f, 0.17f, Rgb{240, 40, 255}}};
    Picture picture{size, size, {}};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            float sum[3] = {0, 0, 0};
            for (const Spot& spot : spots) {
                const float dx = (x + 0.5f) / size - spot.x;
                const float dy = (y + 0.5f) / size - spot.y;
                const float glow = std::exp(-(dx * dx + dy * dy) / (spot.radius * spot.radius));
                sum[0] += glow * spot.colour.r;
                sum[1] += glow * spot.colour.g;
                sum[2] += glow * spot.colour.b;
            }
            const auto clamp = [](float v) { return static_cast<uint8_t>(std::fmin(v, 255.0f)); };
            picture.pixels.push_back(Rgb{clamp(sum[0]), clamp(sum[1]), clamp(sum[2])});
        }
    }
    return picture;
}

bool WriteInto(const std::string& folder, const char* name, const std::vector<uint8_t>& bytes) {
    const std::string path = folder + "/" + name;
    if (!WriteBytesToFile(path, bytes)) {
        std::fprintf(stderr, "effect_pictures: cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("wrote %s (%zu bytes)\n", path.c_str(), bytes.size());
    return true;
}

}  // namespace
}  // namespace velmora::pictures

int main(int argc, char** argv) {
    using namespace velmora::pictures;
    if (argc != 2) {
        std::fprintf(stderr, "usage: effect_pictures <resources folder>\n");
        return 2;
    }
    const std::string folder = argv[1];

    // The preview still: drawn at eight times its size, as on a large
    // screen, then shrunk to 152 x 112 and to the still's size at the other
    // DPIs (the preview area grows with the screen's DPI).
    const Picture still =
        RenderEffect(velmora::renderer::StandardEffectParameters(), 152 * 8, 112 * 8, 150);
    // The icons: a square view of a thin cloud, shrunk to 32 x 32 and to the
    // other sizes Windows asks for at 96 to 192 dpi.
    const Picture cloud = RenderEffect(ThinCloud(), 256, 256, 90);
    if (still.pixels.empty() || cloud.pixels.empty()) {
        std::fprintf(stderr, "effect_pictures: no offscreen GL context\n");
        return 1;
    }
    const Picture icon = Shrink(cloud, 32, 32);
    std::vector<IconImage> more_cloud_icons, spot_icons{IconImage{LightSpots(32), 8}};
    for (const int size : {16, 24, 48, 64}) {
        more_cloud_icons.push_back(IconImage{Shrink(cloud, size, size), 8});
        spot_icons.push_back(IconImage{LightSpots(size), 8});
    }
    // The renderer's window is never seen with its icon: one 16-colour image.
    std::vector<IconImage> saver_icons{IconImage{icon, 4}, IconImage{icon, 8}};
    saver_icons.insert(saver_icons.end(), more_cloud_icons.begin(), more_cloud_icons.end());
    bool ok = WriteInto(folder, "renderer.ico", IcoFile({IconImage{icon, 4}})) &&
              WriteInto(folder, "saver.ico", IcoFile(saver_icons)) &&
              WriteInto(folder, "dialog.ico", IcoFile(spot_icons));
    for (const int dpi : velmora::drawing::kPictureDpis) {
        const std::string name =
            dpi == 96 ? "preview_still.bmp" : "preview_still_" + std::to_string(dpi) + ".bmp";
        ok = ok && WriteInto(folder, name.c_str(),
                             BmpFile(Shrink(still, velmora::drawing::ScaledPixels(152, dpi),
                                            velmora::drawing::ScaledPixels(112, dpi))));
    }
    return ok ? 0 : 1;
}

// OSMesa keeps a few bookkeeping blocks for the life of the process.
// NOLINTNEXTLINE(bugprone-reserved-identifier): the name of LeakSanitizer's hook
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libOSMesa.so\n";
}
