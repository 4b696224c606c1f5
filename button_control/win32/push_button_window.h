#pragma once
// The push button as a Win32 child window of class "Velmora.Command".
//
// The container learns of the button's Click through WM_COMMAND with
// HIWORD(wParam) = BN_CLICKED, LOWORD(wParam) = the control id and lParam =
// the button's window, sent after the release that raised it (so the
// container may destroy the button in its handler).
//
// The program must carry the state pictures: include
// button_control/win32/button_pictures.rc in its resource script.

#include <windows.h>

#include "button_control/core/property_bag.h"
#include "button_control/core/push_button.h"
#include "button_control/win32/face_image.h"
#include "contract/run_contract.h"

namespace velmora::button_control {

// One button window: feeds its messages to the PushButton as events and
// carries out what the button decides.
class PushButtonWindow {
  public:
    explicit PushButtonWindow(HWND window);

    const PushButton& Button() const { return button_; }

    // What a container does with the button.
    void Initialize();
    bool Enabled();
    // The window is enabled or disabled with the button; a focused button
    // being disabled first hands the focus on (PushButton::SetEnabled).
    void SetEnabled(bool enabled);
    // The container moved to a monitor of another DPI: the face is drawn at
    // its scale (a button starts at its window's DPI). The container then
    // gives the button its new place and size.
    void SetScale(Scale scale);
    void SetFontColour(std::int32_t colour);
    void SetVisible(bool visible);
    void LoadProperties(const PropertyBag& bag);

    LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

  private:
    // Messages into events.
    void OnSize(int width, int height);
    void OnMouseMove(LPARAM lparam);
    void OnMouseDown(MouseButton button);
    void OnMouseUp(MouseButton button, WPARAM held, LPARAM lparam);
    bool OnKey(bool down, WPARAM key);
    void OnMousePoll();
    void OnPaint();

    // Reactions carried out.
    void Carry(const ButtonReaction& reaction);
    void HandOnFocus();
    void PaintTo(HDC target);
    void PaintParentBackground(HDC dc);
    Font AmbientFont() const;

    HWND window_;
    Scale scale_;
    FaceImage face_;
    PushButton button_;
};

// Registers the window class once per process; true when it is available.
bool RegisterPushButtonClass();

// Creates a button at the given place (pixels, client coordinates of the
// parent) with the style WS_CHILD | WS_VISIBLE | `extra_style`. With a stored
// layout the button restores its properties from it (an empty bag gives an
// enabled button with the default properties); without one it is a freshly
// placed button, disabled until its Enabled is first read. The container
// then calls Initialize.
HWND CreatePushButton(HWND parent, int id, int x, int y, int width, int height,
                      const PropertyBag* layout, DWORD extra_style = WS_TABSTOP);

// The button behind a window of the class, or null.
PushButtonWindow* PushButtonFromWindow(HWND window);

}  // namespace velmora::button_control
