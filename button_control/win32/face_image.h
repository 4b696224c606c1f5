#pragma once
// The control's persistent face: an off-screen image that PaintFace draws into
// (background, gradient, frame pieces) and WM_PAINT copies to the window.

#include <windows.h>

#include "button_control/core/face_plan.h"

namespace velmora::button_control {

class FaceImage {
  public:
    FaceImage();
    ~FaceImage();
    FaceImage(const FaceImage&) = delete;
    FaceImage& operator=(const FaceImage&) = delete;

    // A new image of the control's size; the old face is dropped.
    void Resize(int width, int height);
    void Paint(const FacePlan& plan);

    HDC Context() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

  private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ original_bitmap_ = nullptr;
    int width_ = 0, height_ = 0;
};

// The state picture of the set made for `picture_dpi`, from the program's
// resources (loaded once, kept for the life of the process).
HBITMAP StatePictureBitmap(StatePicture picture, int picture_dpi);

}  // namespace velmora::button_control
