#include "saver/win32/velmora_r.h"

#include <algorithm>

#include "saver/core/preview_geometry.h"
#include "saver/core/saver_texts.h"
#include "saver/win32/resource_ids.h"
#include "saver/win32/velmora_b.h"

namespace velmora::saver {

namespace {

constexpr char kClassName[] = "Velmora_R";
// How often the form checks that its host still exists: a host in another
// process may go without taking this window along.
constexpr UINT_PTR kHostWatchTimer = 1;
constexpr UINT kHostWatchMs = 250;

// The image control: the still drawn at its own size from the top-left
// corner, cut off at the control's right and bottom edges.
struct ImageControl {
    RECT rect{};
    HBITMAP picture = nullptr;
};

struct PreviewForm {
    HWND window = nullptr;
    HWND host = nullptr;
    ImageControl Img_Prev;
};

PreviewForm g_form;

void PaintImage(HDC dc, const ImageControl& image) {
    if (!image.picture) {
        return;
    }
    BITMAP info{};
    GetObjectA(image.picture, sizeof info, &info);
    const int width = std::min<LONG>(info.bmWidth, image.rect.right - image.rect.left);
    const int height = std::min<LONG>(info.bmHeight, image.rect.bottom - image.rect.top);
    if (width <= 0 || height <= 0) {
        return;
    }
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, image.picture);
    BitBlt(dc, image.rect.left, image.rect.top, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

LRESULT CALLBACK PreviewFormProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            PaintImage(dc, g_form.Img_Prev);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_TIMER:
            if (wparam == kHostWatchTimer && !IsWindow(g_form.host)) {
                DestroyWindow(window);
            }
            return 0;
        case WM_DESTROY:
            // The form was the program's only window.
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

double ScreenTwipsPerPixel(int index) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, index);
    ReleaseDC(nullptr, screen);
    return TwipsPerPixel(dpi);
}

}  // namespace

HWND PreviewFormWindow() {
    return g_form.window;
}

void ShowPreview(std::int32_t host_number) {
    // Window numbers are 32-bit values, sign-extended on 64-bit Windows.
    const HWND host = reinterpret_cast<HWND>(static_cast<INT_PTR>(host_number));
    if (!IsWindow(host)) {
        EndProgram();
    }
    g_form.host = host;

    RECT host_rect{};
    GetWindowRect(host, &host_rect);
    const double tpp_x = ScreenTwipsPerPixel(LOGPIXELSX);
    const double tpp_y = ScreenTwipsPerPixel(LOGPIXELSY);
    const PreviewGeometry geometry = PreviewGeometryFor(
        host_rect.right - host_rect.left, host_rect.bottom - host_rect.top, tpp_x, tpp_y);

    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = PreviewFormProc;
    window_class.hInstance = instance;
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    window_class.lpszClassName = kClassName;
    RegisterClassA(&window_class);

    // No border, no caption bar.
    HWND window = CreateWindowExA(0, kClassName, kPreviewFormCaption, WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, instance, nullptr);
    if (!window) {
        EndProgram();
    }
    g_form.window = window;
    g_form.Img_Prev.picture = static_cast<HBITMAP>(LoadImageA(
        instance, MAKEINTRESOURCEA(IDB_PREVIEW_STILL), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));

    // A child of the host from here on (a child has no popup style).
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    SetWindowLongA(window, GWL_STYLE, (style & ~WS_POPUP) | WS_CHILD);
    SetParent(window, host);
    MoveWindow(window, 0, 0, geometry.width_pixels, geometry.height_pixels, FALSE);
    g_form.Img_Prev.rect = RECT{0, 0, geometry.width_pixels, geometry.height_pixels};

    SetTimer(window, kHostWatchTimer, kHostWatchMs, nullptr);
    ShowWindow(window, SW_SHOW);
}

}  // namespace velmora::saver
