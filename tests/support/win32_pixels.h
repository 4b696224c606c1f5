// Pixels read back from a device context or from a window's own printing, for
// the Win32 tests that check what is drawn.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace velmora::testing {

// 0x00RRGGBB, top-down rows.
struct PixelGrid {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const { return pixels[y * width + x]; }
};

// The width and height of a loaded picture, which is then deleted; 0 x 0 for
// no picture.
inline SIZE SizeOfLoadedPicture(HBITMAP picture) {
    BITMAP info{};
    if (picture == nullptr || GetObjectA(picture, sizeof info, &info) == 0) {
        return SIZE{0, 0};
    }
    DeleteObject(picture);
    return SIZE{info.bmWidth, info.bmHeight};
}

// Lets draw(dc) paint into a 32-bit top-down bitmap of the given size and
// returns what it painted.
template <typename Draw>
PixelGrid DrawnPixels(int width, int height, Draw draw) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP target = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, target);
    draw(memory);
    GdiFlush();
    PixelGrid grid{width, height, {}};
    const auto* first = static_cast<const std::uint32_t*>(bits);
    grid.pixels.assign(first, first + width * height);
    for (auto& p : grid.pixels) {
        p &= 0xFFFFFF;
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(target);
    return grid;
}

// The top-left width x height pixels of a device context.
inline PixelGrid CopiedPixels(HDC source, int width, int height) {
    return DrawnPixels(width, height, [&](HDC memory) {
        BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    });
}

// The client area as the window draws it when asked to print itself.
inline PixelGrid PrintedClient(HWND window) {
    RECT rect;
    GetClientRect(window, &rect);
    return DrawnPixels(rect.right, rect.bottom, [&](HDC memory) {
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    });
}

}  // namespace velmora::testing
