#include "settings_dialog/win32/back_image.h"

namespace velmora::settings_dialog {

BackImage::~BackImage() {
    Release();
}

void BackImage::Release() {
    if (dc_ != nullptr) {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    dc_ = nullptr;
    bitmap_ = nullptr;
    width_ = height_ = 0;
}

void BackImage::Reset(int width, int height, std::uint32_t back_colour) {
    Release();
    if (width <= 0 || height <= 0) {
        return;
    }
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    previous_ = SelectObject(dc_, bitmap_);
    width_ = width;
    height_ = height;
    HBRUSH brush = CreateSolidBrush(back_colour);
    RECT all{0, 0, width, height};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

void BackImage::DrawRows(const std::vector<GradientRow>& rows) {
    if (dc_ == nullptr) {
        return;
    }
    for (const GradientRow& row : rows) {
        HBRUSH brush = CreateSolidBrush(row.colour);
        RECT line{0, row.y, width_, row.y + 1};
        FillRect(dc_, &line, brush);
        DeleteObject(brush);
    }
}

}  // namespace velmora::settings_dialog
