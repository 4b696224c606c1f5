#include "button_control/win32/command_window.h"

#include <windowsx.h>

#include "button_control/win32/caption_drawing.h"
#include "button_control/win32/face_image.h"

namespace velmora::button_control {

namespace {

constexpr UINT_PTR kTmrMouseId = 1;

Scale ScreenScale() {
    HDC screen = GetDC(nullptr);
    const Scale scale =
        ScaleForDpi(GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    return scale;
}

// One control window: the platform side of its Command.
class CommandWindow final : public CommandSite {
  public:
    explicit CommandWindow(HWND window) : window_(window), command_(*this, scale_) {}

    Command& command() { return command_; }
    FaceImage& face() { return face_; }

    // Whether the handler that just ran raised Click; clears the flag.
    bool TakeClick() {
        const bool raised = click_raised_;
        click_raised_ = false;
        return raised;
    }

    // The face (or, with a transparent background, what lies behind the
    // control) with the caption over it.
    void PaintTo(HDC target) {
        const int width = face_.width(), height = face_.height();
        HDC back = CreateCompatibleDC(target);
        HBITMAP bitmap =
            CreateCompatibleBitmap(target, width > 0 ? width : 1, height > 0 ? height : 1);
        HGDIOBJ previous = SelectObject(back, bitmap);
        if (command_.State().BackStyle != 0) {
            BitBlt(back, 0, 0, width, height, face_.dc(), 0, 0, SRCCOPY);
        } else {
            PaintParentBackground(back);
        }
        DrawCaption(back, command_.LblMsg(), scale_);
        BitBlt(target, 0, 0, width, height, back, 0, 0, SRCCOPY);
        SelectObject(back, previous);
        DeleteObject(bitmap);
        DeleteDC(back);
    }

    // CommandSite
    void PaintFace(const FacePlan& plan) override {
        face_.Paint(plan);
        InvalidateRect(window_, nullptr, FALSE);
    }
    void Redraw() override { InvalidateRect(window_, nullptr, FALSE); }
    void StartTimer(int interval_ms) override {
        SetTimer(window_, kTmrMouseId, static_cast<UINT>(interval_ms), nullptr);
    }
    void RaiseClick() override { click_raised_ = true; }
    void PropertyChanged(const char*) override {
        PostMessageA(GetParent(window_), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(window_), kCommandPropertyChanged),
                     reinterpret_cast<LPARAM>(window_));
    }
    Font AmbientFont() override { return FontFromWindow(GetParent(window_)); }
    PixelSize ClientSize() override { return {face_.width(), face_.height()}; }

  private:
    void PaintParentBackground(HDC dc) {
        HWND parent = GetParent(window_);
        POINT origin{0, 0};
        MapWindowPoints(window_, parent, &origin, 1);
        POINT previous;
        SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
        SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
    }

    HWND window_;
    Scale scale_ = ScreenScale();
    FaceImage face_;
    Command command_;
    bool click_raised_ = false;
};

CommandWindow* FromWindow(HWND window) {
    return reinterpret_cast<CommandWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

int ButtonOf(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            return kLeftButton;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            return kRightButton;
        default:
            return kMiddleButton;
    }
}

// Sends the container the Click that the last handler raised. Called last:
// the container may destroy the control in its handler.
void DeliverClick(HWND window) {
    SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                 reinterpret_cast<LPARAM>(window));
}

LRESULT CALLBACK CommandWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(new CommandWindow(window)));
    }
    CommandWindow* self = FromWindow(window);
    if (self == nullptr) {
        return DefWindowProcA(window, message, wparam, lparam);
    }
    Command& command = self->command();
    switch (message) {
        case WM_NCDESTROY:
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            delete self;
            return DefWindowProcA(window, message, wparam, lparam);
        case WM_SIZE:
            self->face().Resize(LOWORD(lparam), HIWORD(lparam));
            command.UserControl_Resize();
            return 0;
        case WM_MOUSEMOVE: {
            // Under capture the moves keep coming from outside: only those over
            // the control count.
            RECT client;
            GetClientRect(window, &client);
            const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
            if (PtInRect(&client, at)) {
                command.UserControl_MouseMove();
            }
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            const int button = ButtonOf(message);
            // The focus arrives before the press, so a press on a hovered
            // button shows the press either way.
            if (command.TakesFocusOnPress(button) && GetFocus() != window) {
                SetFocus(window);
            }
            command.UserControl_MouseDown(button);
            // Keep the release coming here when it happens off the control.
            SetCapture(window);
            return 0;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            command.UserControl_MouseUp(ButtonOf(message));
            const bool clicked = self->TakeClick();
            if ((wparam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 && GetCapture() == window) {
                ReleaseCapture();
            }
            if (clicked) {
                DeliverClick(window);
            }
            return 0;
        }
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            // The second press of a double-click is no press; its release
            // still clicks.
            return 0;
        case WM_SETFOCUS:
            command.UserControl_GotFocus();
            return 0;
        case WM_KILLFOCUS:
            command.UserControl_LostFocus();
            return 0;
        case WM_TIMER:
            if (wparam == kTmrMouseId) {
                POINT cursor;
                const bool over = GetCursorPos(&cursor) && WindowFromPoint(cursor) == window;
                command.TmrMouse_Timer(over);
                return 0;
            }
            break;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            self->PaintTo(dc);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            self->PaintTo(reinterpret_cast<HDC>(wparam));
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

bool RegisterCommandClass() {
    static const bool registered = [] {
        WNDCLASSEXA window_class{};
        window_class.cbSize = sizeof window_class;
        // CS_DBLCLKS: the second press of a double-click arrives as its own
        // notification, which the control ignores.
        window_class.style = CS_DBLCLKS;
        window_class.lpfnWndProc = CommandWindowProc;
        window_class.hInstance = GetModuleHandleA(nullptr);
        window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
        window_class.lpszClassName = kCommandClassName;
        return RegisterClassExA(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

HWND CreateCommand(HWND parent, int id, int x, int y, int width, int height,
                   const PropertyBag* layout, DWORD extra_style) {
    if (!RegisterCommandClass()) {
        return nullptr;
    }
    HWND window = CreateWindowExA(
        0, kCommandClassName, "", WS_CHILD | WS_VISIBLE | extra_style, x, y, width, height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (window != nullptr && layout != nullptr) {
        FromWindow(window)->command().UserControl_ReadProperties(*layout);
    }
    return window;
}

Command* CommandFromWindow(HWND window) {
    char name[32] = {};
    if (window == nullptr || GetClassNameA(window, name, sizeof name) == 0 ||
        lstrcmpiA(name, kCommandClassName) != 0) {
        return nullptr;
    }
    CommandWindow* self = FromWindow(window);
    return self != nullptr ? &self->command() : nullptr;
}

}  // namespace velmora::button_control
