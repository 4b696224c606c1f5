#include "renderer/offscreen/offscreen_surface.h"

#include <cstddef>

#include <GL/osmesa.h>

namespace velmora::renderer {

OffscreenSurface::OffscreenSurface(int width, int height)
    : width_(width), height_(height), rgba_(static_cast<std::size_t>(width) * height * 4) {
    OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 0, 0, 0, nullptr);
    if (context == nullptr) {
        return;
    }
    if (!OSMesaMakeCurrent(context, rgba_.data(), GL_UNSIGNED_BYTE, width, height)) {
        OSMesaDestroyContext(context);
        return;
    }
    context_ = context;
}

OffscreenSurface::~OffscreenSurface() {
    if (context_ != nullptr) {
        glFinish();
        OSMesaDestroyContext(static_cast<OSMesaContext>(context_));
    }
}

Rgb OffscreenSurface::Pixel(int x, int y) const {
    glFinish();
    return StoredPixel(x, y);
}

Rgb OffscreenSurface::StoredPixel(int x, int y) const {
    // The buffer's first row is the bottom of the picture.
    const std::size_t at = (static_cast<std::size_t>(height_ - 1 - y) * width_ + x) * 4;
    return Rgb{rgba_[at], rgba_[at + 1], rgba_[at + 2]};
}

std::vector<Rgb> OffscreenSurface::Picture() const {
    std::vector<Rgb> rows;
    rows.reserve(static_cast<std::size_t>(width_) * height_);
    glFinish();
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            rows.push_back(StoredPixel(x, y));
        }
    }
    return rows;
}

}  // namespace velmora::renderer
