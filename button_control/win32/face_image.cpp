#include "button_control/win32/face_image.h"

#include <array>

#include "drawing/core/picture_scale.h"
#include "button_control/win32/button_picture_ids.h"

namespace velmora::button_control {

HBITMAP StatePictureBitmap(StatePicture picture, int picture_dpi) {
    static std::array<std::array<HBITMAP, 6>, drawing::kPictureDpis.size()> loaded{};
    const auto set = static_cast<std::size_t>(drawing::PictureDpiIndex(picture_dpi));
    const auto index = static_cast<std::size_t>(picture);
    if (loaded[set][index] == nullptr) {
        const int id = IDB_BUTTON_NORMAL + static_cast<int>(set) * IDB_BUTTON_SET_STEP +
                       static_cast<int>(index);
        loaded[set][index] =
            static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    }
    return loaded[set][index];
}

FaceImage::FaceImage() {
    dc_ = CreateCompatibleDC(nullptr);
}

FaceImage::~FaceImage() {
    if (original_bitmap_ != nullptr) {
        SelectObject(dc_, original_bitmap_);
    }
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
    }
    DeleteDC(dc_);
}

void FaceImage::Resize(int width, int height) {
    width_ = width > 0 ? width : 0;
    height_ = height > 0 ? height : 0;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_ > 0 ? width_ : 1;
    info.bmiHeader.biHeight = -(height_ > 0 ? height_ : 1);  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        return;  // keep the old face
    }
    HGDIOBJ previous = SelectObject(dc_, bitmap);
    if (original_bitmap_ == nullptr) {
        original_bitmap_ = previous;
    }
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
    }
    bitmap_ = bitmap;
}

void FaceImage::Paint(const FacePlan& plan) {
    RECT all{0, 0, width_, height_};
    FillRect(dc_, &all, GetSysColorBrush(COLOR_BTNFACE));

    TRIVERTEX vertices[2] = {};
    vertices[0].x = 0;
    vertices[0].y = 0;
    vertices[0].Red = plan.gradient.top.red;
    vertices[0].Green = plan.gradient.top.green;
    vertices[0].Blue = plan.gradient.top.blue;
    vertices[1].x = plan.gradient_end_x;
    vertices[1].y = plan.gradient_end_y;
    vertices[1].Red = plan.gradient.bottom.red;
    vertices[1].Green = plan.gradient.bottom.green;
    vertices[1].Blue = plan.gradient.bottom.blue;
    // Listed lower-right first: the fill goes by the vertices' positions, so
    // the top row still takes vertex 0's colour.
    GRADIENT_RECT rect{1, 0};
    GradientFill(dc_, vertices, 2, &rect, 1, GRADIENT_FILL_RECT_V);

    HDC picture_dc = CreateCompatibleDC(dc_);
    HGDIOBJ previous = SelectObject(picture_dc, StatePictureBitmap(plan.picture, plan.picture_dpi));
    SetStretchBltMode(dc_, COLORONCOLOR);
    for (const PieceCopy& piece : plan.pieces) {
        const PixelRect& d = piece.destination;
        const PixelRect& s = piece.source;
        if (d.width > 0 && d.height > 0) {
            StretchBlt(dc_, d.x, d.y, d.width, d.height, picture_dc, s.x, s.y, s.width, s.height,
                       SRCCOPY);
        }
    }
    SelectObject(picture_dc, previous);
    DeleteDC(picture_dc);
    GdiFlush();
}

}  // namespace velmora::button_control
