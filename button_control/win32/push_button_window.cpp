// The push button's window. How control flows through it:
//  1. CreatePushButton registers the class once and creates the window, whose
//     PushButtonWindow is made at WM_NCCREATE and kept in the window's data
//     until WM_NCDESTROY deletes it; a stored layout restores its properties.
//     The container then calls Initialize, which starts the mouse poll.
//  2. Handle turns mouse, key, focus, size and timer messages into PushButton
//     events; the container's calls (Enabled, SetEnabled, SetScale, ...) do
//     the same.
//  3. Carry does what the ButtonReaction lists: the face painted again, the
//     caption as the window's text, the poll's timer, and last the Click,
//     sent to the container as WM_COMMAND with BN_CLICKED (the container may
//     destroy the button there, so nothing follows it).
//  4. WM_PAINT and WM_PRINTCLIENT draw the face (or what lies behind the
//     button) with the caption over it.
#include "button_control/win32/push_button_window.h"

#include <windowsx.h>

#include <optional>
#include <string>

#include "button_control/win32/caption_drawing.h"
#include "drawing/win32/drawing_dpi.h"
#include "platform_edge/win32/guarded_entry.h"
#include "platform_edge/win32/system_cursors.h"
#include "platform_edge/win32/window_owner.h"
#include "system_dlls/win32/dpi_calls.h"
#include "text/win32/wide_text.h"

namespace velmora::button_control {

namespace {

constexpr UINT_PTR kMousePollTimerId = 1;

MouseButton ButtonOf(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            return MouseButton::Left;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            return MouseButton::Right;
        default:
            return MouseButton::Middle;
    }
}

bool OverClient(HWND window, LPARAM lparam) {
    RECT client;
    GetClientRect(window, &client);
    const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    return PtInRect(&client, at) != FALSE;
}

std::optional<ButtonKey> ButtonKeyOf(WPARAM key) {
    if (key == VK_SPACE) {
        return ButtonKey::Space;
    }
    if (key == VK_RETURN) {
        return ButtonKey::Enter;
    }
    return std::nullopt;
}

LRESULT CALLBACK PushButtonProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        platform_edge::KeepOwner(window, new PushButtonWindow(window));
    }
    // The window's data owns the shell until WM_NCDESTROY, which the analyzer
    // cannot follow.
    // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
    auto* self = platform_edge::OwnerOf<PushButtonWindow>(window);
    if (self == nullptr) {
        return DefWindowProcW(window, message, wparam, lparam);
    }
    if (message == WM_NCDESTROY) {
        platform_edge::KeepOwner<PushButtonWindow>(window, nullptr);
        delete self;
        return DefWindowProcW(window, message, wparam, lparam);
    }
    return self->Handle(message, wparam, lparam);
}

}  // namespace

PushButtonWindow::PushButtonWindow(HWND window)
    : window_(window),
      scale_(drawing::DrawingScale(system_dlls::WindowDpi(window))),
      button_(scale_) {}

void PushButtonWindow::Initialize() {
    Carry(button_.Initialize());
}

bool PushButtonWindow::Enabled() {
    button_.StartFirstRun();
    const auto read = button_.ReadEnabled();
    Carry(read.reaction);
    return read.value;
}

void PushButtonWindow::SetEnabled(bool enabled) {
    Carry(button_.SetEnabled(enabled, GetFocus() == window_));
    EnableWindow(window_, enabled ? TRUE : FALSE);
}

// The next tab stop of the dialog, which the platform finds round to the
// button itself when there is no other.
void PushButtonWindow::HandOnFocus() {
    HWND dialog = GetAncestor(window_, GA_ROOT);
    HWND next = GetNextDlgTabItem(dialog, window_, FALSE);
    SetFocus(next != nullptr && next != window_ ? next : dialog);
}

void PushButtonWindow::SetScale(Scale scale) {
    scale_ = scale;
    Carry(button_.ChangeScale(scale));
}

void PushButtonWindow::SetFontColour(std::int32_t colour) {
    Carry(button_.SetFontColour(colour));
}

void PushButtonWindow::SetVisible(bool visible) {
    Carry(button_.SetVisible(visible));
}

void PushButtonWindow::LoadProperties(const PropertyBag& bag) {
    Carry(button_.LoadProperties(bag, AmbientFont()));
}

void PushButtonWindow::Carry(const ButtonReaction& reaction) {
    if (reaction.hand_on_focus) {
        HandOnFocus();
    }
    if (reaction.paint) {
        face_.Paint(*reaction.paint);
    }
    if (reaction.paint || reaction.redraw) {
        InvalidateRect(window_, nullptr, FALSE);
    }
    if (reaction.retitle) {
        SetWindowTextW(window_, text::WideFromCp932(text::Cp932View(button_.Caption())).c_str());
    }
    if (reaction.start_mouse_poll) {
        SetTimer(window_, kMousePollTimerId, kMousePollMilliseconds, nullptr);
    }
    if (reaction.click) {
        SendMessageA(GetParent(window_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window_), BN_CLICKED),
                     reinterpret_cast<LPARAM>(window_));
    }
}

Font PushButtonWindow::AmbientFont() const {
    return FontFromWindow(GetParent(window_), DpiOf(scale_));
}

LRESULT PushButtonWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_SIZE:
            OnSize(LOWORD(lparam), HIWORD(lparam));
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(lparam);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            OnMouseDown(ButtonOf(message));
            return 0;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            SetCapture(window_);
            Carry(button_.MouseDoubleClick(ButtonOf(message)));
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            OnMouseUp(ButtonOf(message), wparam, lparam);  // may destroy the window
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lparam) != window_) {
                Carry(button_.CancelPresses());
            }
            return 0;
        case WM_GETDLGCODE:
            return DLGC_BUTTON |
                   (button_.ActsAsDefault() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (OnKey(message == WM_KEYDOWN, wparam)) {
                return 0;  // may be destroyed by the click
            }
            break;
        case WM_SETFOCUS:
            Carry(button_.FocusGained());
            return 0;
        case WM_KILLFOCUS:
            Carry(button_.FocusLost());
            return 0;
        case WM_TIMER:
            if (wparam == kMousePollTimerId) {
                OnMousePoll();
                return 0;
            }
            break;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_PRINTCLIENT:
            PaintTo(reinterpret_cast<HDC>(wparam));
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wparam, lparam);
}

void PushButtonWindow::OnSize(int width, int height) {
    face_.Resize(width, height);
    Carry(button_.Resize({face_.Width(), face_.Height()}));
}

// Under capture the moves keep coming from outside: only those over the button count.
void PushButtonWindow::OnMouseMove(LPARAM lparam) {
    if (OverClient(window_, lparam)) {
        Carry(button_.MouseMove());
    }
}

void PushButtonWindow::OnMouseDown(MouseButton button) {
    // The focus arrives before the press, so a press on a hovered button
    // shows the press either way.
    if (button_.TakesFocusOnPress(button) && GetFocus() != window_) {
        SetFocus(window_);
    }
    // Keep the release coming here when it happens off the button.
    SetCapture(window_);
    Carry(button_.MouseDown(button));
}

void PushButtonWindow::OnMouseUp(MouseButton button, WPARAM held, LPARAM lparam) {
    const ButtonReaction reaction = button_.MouseUp(button, OverClient(window_, lparam));
    if ((held & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 && GetCapture() == window_) {
        ReleaseCapture();
    }
    Carry(reaction);  // may destroy the window: nothing after this
}

// True when the key is one the button answers.
bool PushButtonWindow::OnKey(bool down, WPARAM key) {
    const auto button_key = ButtonKeyOf(key);
    if (!button_key) {
        return false;
    }
    Carry(down ? button_.KeyDown(*button_key) : button_.KeyUp(*button_key));
    return true;
}

void PushButtonWindow::OnMousePoll() {
    POINT cursor;
    const bool over = GetCursorPos(&cursor) && WindowFromPoint(cursor) == window_;
    Carry(button_.MousePoll(over));
}

void PushButtonWindow::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    PaintTo(dc);
    EndPaint(window_, &paint);
}

// The face (or, with a transparent background, what lies behind the button)
// with the caption over it.
void PushButtonWindow::PaintTo(HDC target) {
    const int width = face_.Width(), height = face_.Height();
    HDC back = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, width > 0 ? width : 1, height > 0 ? height : 1);
    HGDIOBJ previous = SelectObject(back, bitmap);
    if (button_.Fields().back_style != 0) {
        BitBlt(back, 0, 0, width, height, face_.Context(), 0, 0, SRCCOPY);
    } else {
        PaintParentBackground(back);
    }
    DrawCaption(back, button_.Label(), scale_);
    BitBlt(target, 0, 0, width, height, back, 0, 0, SRCCOPY);
    SelectObject(back, previous);
    DeleteObject(bitmap);
    DeleteDC(back);
}

void PushButtonWindow::PaintParentBackground(HDC dc) {
    HWND parent = GetParent(window_);
    POINT origin{0, 0};
    MapWindowPoints(window_, parent, &origin, 1);
    POINT previous;
    SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

bool RegisterPushButtonClass() {
    static const bool kRegistered = [] {
        // A Unicode class: the window text is the caption as screen readers read it.
        const std::wstring class_name =
            text::WideFromCp932(text::Cp932View(contract::kPushButtonClass));
        WNDCLASSEXW window_class{};
        window_class.cbSize = sizeof window_class;
        // CS_DBLCLKS: the second press of a double-click arrives as its own
        // message, a press without the press picture.
        window_class.style = CS_DBLCLKS;
        window_class.lpfnWndProc = platform_edge::GuardedWindowProc<PushButtonProc>;
        window_class.hInstance = GetModuleHandleA(nullptr);
        window_class.hCursor = platform_edge::ArrowCursor();
        window_class.lpszClassName = class_name.c_str();
        return RegisterClassExW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return kRegistered;
}

HWND CreatePushButton(HWND parent, int id, int x, int y, int width, int height,
                      const PropertyBag* layout, DWORD extra_style) {
    if (!RegisterPushButtonClass()) {
        return nullptr;
    }
    // Titled with the default caption until a stored layout gives another.
    HWND window = CreateWindowExW(
        0, text::WideFromCp932(text::Cp932View(contract::kPushButtonClass)).c_str(),
        text::WideFromCp932(text::Cp932View(kDefaultCaption)).c_str(),
        WS_CHILD | WS_VISIBLE | extra_style, x, y, width, height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (window != nullptr && layout != nullptr) {
        platform_edge::OwnerOf<PushButtonWindow>(window)->LoadProperties(*layout);
    }
    return window;
}

PushButtonWindow* PushButtonFromWindow(HWND window) {
    char name[32] = {};
    if (window == nullptr || GetClassNameA(window, name, sizeof name) == 0 ||
        lstrcmpiA(name, contract::kPushButtonClass) != 0) {
        return nullptr;
    }
    return platform_edge::OwnerOf<PushButtonWindow>(window);
}

}  // namespace velmora::button_control
