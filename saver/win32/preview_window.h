#pragma once
// The preview window: the still picture inside the display settings' small
// monitor, as a child of the host window the platform names.

#include <windows.h>

#include <cstdint>

namespace velmora::saver {

class PreviewWindow {
  public:
    // Embeds the window in the host window, sized to it, and shows it. A host
    // that is no window ends the program at once. Once the window has gone
    // with its host, the program's message loop ends.
    void Show(std::int32_t host);

    // The window's window (null before Show).
    HWND Window() const { return window_; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    HWND window_ = nullptr;
    HWND host_ = nullptr;
    // The still, drawn at its own size from the top-left corner and cut off
    // at the image area's right and bottom edges.
    RECT image_rect_{};
    HBITMAP still_ = nullptr;
};

}  // namespace velmora::saver
