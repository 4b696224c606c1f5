#pragma once
// A container's persistent drawing image: what the background painting
// leaves behind, kept so that it survives the window being covered.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "settings_dialog/core/background_gradient.h"

namespace velmora::settings_dialog {

class BackImage {
  public:
    BackImage() = default;
    BackImage(const BackImage&) = delete;
    BackImage& operator=(const BackImage&) = delete;
    ~BackImage();

    // A new image of the given size filled with the back colour (0x00BBGGRR).
    void Reset(int width, int height, std::uint32_t back_colour);
    // One horizontal line per row, across the whole width.
    void DrawRows(const std::vector<GradientRow>& rows);

    int Width() const { return width_; }
    int Height() const { return height_; }
    HDC DeviceContext() const { return dc_; }

  private:
    void Release();

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace velmora::settings_dialog
