// The preview inside the display settings' small monitor. How control flows
// through it:
//  1. Show checks the host window the platform named, measures it in the
//     host's DPI awareness, creates the window as a hidden popup with the
//     still for the host's DPI, makes it the host's child at the preview's
//     size and starts the timer that watches the host.
//  2. Procedure paints the still, and destroys the window once the host is
//     gone (a host in another process may go without taking its children).
//  3. The window's destruction posts the quit that ends WinMain's loop.
#include "saver/win32/preview_window.h"

#include "contract/run_contract.h"
#include "drawing/core/picture_scale.h"
#include "drawing/win32/drawing_dpi.h"
#include "drawing/win32/picture_drawing.h"
#include "saver/core/preview_geometry.h"
#include "saver/core/saver_texts.h"
#include "saver/win32/program_window.h"
#include "platform_edge/win32/system_cursors.h"
#include "saver/win32/resource_ids.h"
#include "system_dlls/win32/dpi_calls.h"

namespace velmora::saver {

namespace {

// How often the window checks that its host still exists. Workaround
// (Windows): a host in another process may go without taking this window
// along.
constexpr UINT_PTR kHostWatchTimer = 1;
constexpr UINT kHostWatchMs = 250;

// The still made for the host's DPI, so that it fills the preview area, which
// grows with the DPI.
int StillForTheDpi(int dpi) {
    return IDB_PREVIEW_STILL + IDB_PREVIEW_STILL_SET_STEP * drawing::PictureSetFor(dpi);
}

}  // namespace

LRESULT CALLBACK PreviewWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const PreviewWindow* self = platform_edge::OwnerOf<PreviewWindow>(window, message, lparam);
    if (self != nullptr) {
        switch (message) {
            case WM_PAINT: {
                PAINTSTRUCT paint;
                HDC dc = BeginPaint(window, &paint);
                drawing::DrawPictureInto(dc, self->still_, self->image_rect_);
                EndPaint(window, &paint);
                return 0;
            }
            case WM_TIMER:
                if (wparam == kHostWatchTimer && !IsWindow(self->host_)) {
                    DestroyWindow(window);
                }
                return 0;
            case WM_DESTROY:
                // The window was the program's only window.
                PostQuitMessage(0);
                return 0;
        }
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

void PreviewWindow::Show(std::int32_t host_number) {
    // Window numbers are 32-bit values, sign-extended on 64-bit Windows.
    const HWND host = reinterpret_cast<HWND>(static_cast<INT_PTR>(host_number));
    if (!IsWindow(host)) {
        EndProcessNow();
    }
    host_ = host;
    // Made in the host's DPI awareness, as Windows wants a child, and so
    // measured in the host's pixels.
    const system_dlls::AwarenessOfWindow awareness(host);

    RECT host_rect{};
    GetWindowRect(host, &host_rect);
    const int dpi = drawing::DrawingDpi(system_dlls::WindowDpi(host));
    const PreviewGeometry geometry =
        PreviewGeometryFor(host_rect.right - host_rect.left, host_rect.bottom - host_rect.top,
                           drawing::ScaleForDpi(dpi, dpi));

    window_ = CreateHiddenPopup(
        {contract::kPreviewWindowClass, platform_edge::GuardedWindowProc<Procedure>,
         static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), platform_edge::ArrowCursor()},
        kPreviewWindowCaption, this);
    still_ = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr),
                                             MAKEINTRESOURCEA(StillForTheDpi(dpi)), IMAGE_BITMAP, 0,
                                             0, LR_CREATEDIBSECTION));

    // A child of the host from here on (a child has no popup style).
    const LONG style = GetWindowLongA(window_, GWL_STYLE);
    SetWindowLongA(window_, GWL_STYLE, (style & ~WS_POPUP) | WS_CHILD);
    SetParent(window_, host);
    MoveWindow(window_, 0, 0, geometry.width_pixels, geometry.height_pixels, FALSE);
    image_rect_ = RECT{0, 0, geometry.width_pixels, geometry.height_pixels};

    SetTimer(window_, kHostWatchTimer, kHostWatchMs, nullptr);
    ShowWindow(window_, SW_SHOW);
}

}  // namespace velmora::saver
