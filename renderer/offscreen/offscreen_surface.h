#pragma once
// Drawing without a window into memory (OSMesa), for the native tests and the picture generator.

#include <cstdint>
#include <vector>

namespace velmora::renderer {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
};

// An RGBA OpenGL context drawing into memory (OSMesa), for rendering the
// effect without a window: the native tests and the picture generator.
class OffscreenSurface {
  public:
    OffscreenSurface(int width, int height);
    ~OffscreenSurface();
    OffscreenSurface(const OffscreenSurface&) = delete;
    OffscreenSurface& operator=(const OffscreenSurface&) = delete;

    bool Ready() const { return context_ != nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Row 0 is the top of the picture.
    Rgb Pixel(int x, int y) const;
    // The picture as RGB rows, top row first.
    std::vector<Rgb> Picture() const;

  private:
    Rgb StoredPixel(int x, int y) const;

    int width_;
    int height_;
    std::vector<uint8_t> rgba_;
    void* context_ = nullptr;
};

}  // namespace velmora::renderer
