#include "settings_dialog/win32/settings_dialog_window.h"

#include <cmath>
#include <utility>

#include "button_control/core/font.h"
#include "button_control/win32/caption_drawing.h"
#include "button_control/win32/push_button_window.h"
#include "settings_dialog/core/dialog_texts.h"
#include "settings_dialog/win32/dialog_resource_ids.h"
#include "settings_dialog/win32/group_accessible.h"
#include "settings_dialog/win32/show_settings_dialog.h"

namespace velmora::settings_dialog {

namespace {

constexpr char kFormClassName[] = "Velmora_P";
constexpr char kPictureBoxClassName[] = "Velmora_P.PictureBox";
constexpr DWORD kFormStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr int kComboListRows = 10;

Scale ScreenScale() {
    HDC screen = GetDC(nullptr);
    const Scale scale = button_control::ScaleForDpi(GetDeviceCaps(screen, LOGPIXELSX),
                                                    GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    return scale;
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<SettingsDialogWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return self != nullptr ? self->Handle(window, message, wparam, lparam)
                           : DefWindowProcA(window, message, wparam, lparam);
}

std::optional<DialogKey> DialogKeyOf(WPARAM key) {
    switch (key) {
        case VK_TAB:
            return DialogKey::Tab;
        case VK_RETURN:
            return DialogKey::Enter;
        case VK_ESCAPE:
            return DialogKey::Escape;
        case VK_SPACE:
            return DialogKey::Space;
        case VK_UP:
            return DialogKey::Up;
        case VK_DOWN:
            return DialogKey::Down;
        case VK_LEFT:
            return DialogKey::Left;
        case VK_RIGHT:
            return DialogKey::Right;
        default:
            return std::nullopt;
    }
}

void RegisterClasses(HINSTANCE instance) {
    WNDCLASSA form_class{};
    form_class.lpfnWndProc = FormProc;
    form_class.hInstance = instance;
    form_class.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_SETTINGS_DIALOG));
    form_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    form_class.lpszClassName = kFormClassName;
    RegisterClassA(&form_class);

    WNDCLASSA box_class = form_class;
    box_class.hIcon = nullptr;
    box_class.lpszClassName = kPictureBoxClassName;
    RegisterClassA(&box_class);
    button_control::RegisterPushButtonClass();
}

}  // namespace

SettingsDialogWindow::SettingsDialogWindow(HINSTANCE instance, settings::SettingsPorts store,
                                           settings::SettingsPlaces places,
                                           settings::MusicChoice& choice,
                                           std::string message_caption)
    : instance_(instance),
      store_(store),
      places_(std::move(places)),
      message_caption_(std::move(message_caption)),
      scale_(ScreenScale()),
      dialog_(choice) {
    look_.scale = scale_;
    const LOGFONTW label_font = button_control::CaptionLogFont(
        button_control::DesignedFont(), static_cast<int>(std::lround(1440.0 / scale_.y)));
    look_.label_font = CreateFontIndirectW(&label_font);
    look_.empty_box = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_SELECTION_EMPTY));
    look_.filled_box = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_SELECTION_FILLED));
}

SettingsDialogWindow::~SettingsDialogWindow() {
    if (dialog_window_ != nullptr && IsWindow(dialog_window_)) {
        DestroyWindow(dialog_window_);
    }
    DeleteObject(look_.label_font);
    DeleteObject(look_.empty_box);
    DeleteObject(look_.filled_box);
}

void SettingsDialogWindow::CreateWindows() {
    RegisterClasses(instance_);
    const PixelRect client = ToPixels({0, 0, kClientWidth, kClientHeight}, scale_);
    RECT frame{0, 0, client.width, client.height};
    AdjustWindowRect(&frame, kFormStyle, FALSE);
    dialog_window_ =
        CreateWindowExA(WS_EX_CONTROLPARENT, kFormClassName, kDialogCaption, kFormStyle,
                        CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                        frame.bottom - frame.top, nullptr, nullptr, instance_, this);
    // Windows in tab order: the focus leaving a button being disabled goes to
    // the next of them.
    for (const ControlId id : TabOrder()) {
        CreateControl(Place(id));
    }
}

void SettingsDialogWindow::CreateControl(const ControlPlace& place) {
    const PixelRect rect = ToPixels(place.rect, scale_);
    HWND parent = ContainerWindow(place.container);
    HWND window = nullptr;
    switch (place.kind) {
        case ControlKind::PictureBox:
            group_ = CreateWindowExA(WS_EX_CONTROLPARENT, kPictureBoxClassName, "",
                                     WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect.x, rect.y,
                                     rect.width, rect.height, parent, nullptr, instance_, this);
            return;
        case ControlKind::ComboBox: {
            window = CreateWindowExA(
                0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN,
                rect.x, rect.y, rect.width, rect.height * (kComboListRows + 1), parent,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlWindowId(place.id))), instance_,
                nullptr);
            SendMessageA(window, WM_SETFONT,
                         reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
            NameForScreenReaders(window, NameBeside(place.id));
            break;
        }
        case ControlKind::Button: {
            button_control::PropertyBag layout;
            layout.WriteProperty("Caption", place.text, button_control::kDefaultCaption);
            layout.WriteProperty("Font", button_control::FontToText(button_control::DesignedFont()),
                                 "");
            window = button_control::CreatePushButton(parent, ControlWindowId(place.id), rect.x,
                                                      rect.y, rect.width, rect.height, &layout);
            break;
        }
        default:
            return;  // drawn by its container
    }
    windows_[place.id] = window;
}

HWND SettingsDialogWindow::ContainerWindow(Container container) const {
    return container == Container::Form ? dialog_window_ : group_;
}

void SettingsDialogWindow::RunModal() {
    CreateWindows();
    if (dialog_window_ == nullptr) {
        return;
    }
    PaintBackground();
    Load();
    ShowWindow(dialog_window_, SW_SHOWNORMAL);
    SetForegroundWindow(dialog_window_);
    FocusFirstControl();
    MSG msg;
    while (!closed_ && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!AnswerKey(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

// The dialog's keys, pressed anywhere in it, go to the dialog first; true
// when it kept the key.
bool SettingsDialogWindow::AnswerKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN ||
        (msg.hwnd != dialog_window_ && !IsChild(dialog_window_, msg.hwnd))) {
        return false;
    }
    const std::optional<DialogKey> key = DialogKeyOf(msg.wParam);
    if (!key) {
        return false;
    }
    const std::string track_text = TrackBoxText();
    const DialogReply reply = dialog_.KeyDown(
        {*key, GetKeyState(VK_SHIFT) < 0, FocusedControl(),
         SendMessageA(windows_.at(ControlId::TrackBox), CB_GETDROPPEDSTATE, 0, 0) != 0,
         track_text});
    if (reply.pass_key) {
        return false;
    }
    Carry(reply);
    return true;
}

// The combo box's focus rests on its edit field.
std::optional<ControlId> SettingsDialogWindow::FocusedControl() const {
    HWND focus = GetFocus();
    if (focus == nullptr) {
        return std::nullopt;
    }
    if (focus == group_) {
        return ControlId::MusicGroup;
    }
    for (const auto& [id, window] : windows_) {
        if (window == focus || IsChild(window, focus)) {
            return id;
        }
    }
    return std::nullopt;
}

void SettingsDialogWindow::FocusControl(ControlId id) {
    const auto window = windows_.find(id);
    SetFocus(id == ControlId::MusicGroup ? group_
                                         : (window != windows_.end() ? window->second : nullptr));
}

std::vector<AccessItem> SettingsDialogWindow::DescribeGroup() const {
    return DescribeMusicGroup(dialog_.View(), dialog_.Choice().file, TrackBoxText(),
                              FocusedControl());
}

// The frame on the keyboard's choice follows the focus, and screen readers
// hear of the choice it is on.
void SettingsDialogWindow::ShowChoicesFocus() {
    if (group_ == nullptr) {
        return;
    }
    InvalidateRect(group_, nullptr, FALSE);
    if (GetFocus() == group_) {
        NotifyWinEvent(EVENT_OBJECT_FOCUS, group_, OBJID_CLIENT, FocusedChild(DescribeGroup()));
    }
}

void SettingsDialogWindow::FocusFirstControl() {
    for (const ControlId id : TabOrder()) {
        const auto window = windows_.find(id);
        if (window != windows_.end() && IsWindowEnabled(window->second)) {
            SetFocus(window->second);
            return;
        }
    }
}

LRESULT SettingsDialogWindow::Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // the back image covers everything
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            Compose(window, dc);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            Compose(window, reinterpret_cast<HDC>(wparam));
            return 0;
        case WM_SIZE:
            if (window == dialog_window_) {
                PaintBackground();
            }
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(look_.label_font);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            if (window == group_) {
                ShowChoicesFocus();
            }
            break;
        case WM_GETOBJECT:
            if (window == group_) {
                if (const LRESULT answer = AnswerGroupObject(
                        window, wparam, lparam, [this] { return DescribeGroup(); },
                        Place(ControlId::GroupHeading).text, scale_)) {
                    return answer;
                }
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            OnMouseDown(window, lparam);
            return 0;
        case WM_COMMAND:
            OnCommand(wparam, lparam);
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            SetBkColor(reinterpret_cast<HDC>(wparam), kComboBackColour);
            return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
        case WM_SETCURSOR:
            if (hourglass_) {
                SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));  // IDC_WAIT
                return TRUE;
            }
            break;
        case WM_ACTIVATE:
            if (window != dialog_window_) {
                break;
            }
            // Back from another window, the focus returns to where it was.
            if (LOWORD(wparam) == WA_INACTIVE) {
                focus_ = GetFocus();
            } else if (focus_ != nullptr && IsWindow(focus_) && IsWindowEnabled(focus_)) {
                SetFocus(focus_);
                return 0;
            }
            break;
        case WM_CLOSE:
            if (window == dialog_window_) {
                Carry(dialog_.Cancel());
            }
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

// The window's rows, then those of the music group.
void SettingsDialogWindow::PaintBackground() {
    RECT client;
    GetClientRect(dialog_window_, &client);
    form_back_.Reset(client.right, client.bottom, kFormBackColour);
    form_back_.DrawRows(FormGradient(client.bottom));
    if (group_ != nullptr) {
        GetClientRect(group_, &client);
        group_back_.Reset(client.right, client.bottom, kGroupBackColour);
        group_back_.DrawRows(GroupGradient(client.bottom));
        InvalidateRect(group_, nullptr, FALSE);
    }
    InvalidateRect(dialog_window_, nullptr, FALSE);
}

// The back image with the windowless controls over it, drawn off screen first.
void SettingsDialogWindow::Compose(HWND window, HDC target) {
    const bool is_form = window == dialog_window_;
    const BackImage& back = is_form ? form_back_ : group_back_;
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right > 0 ? client.right : 1;
    const int height = client.bottom > 0 ? client.bottom : 1;
    HDC buffer = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
    HGDIOBJ previous = SelectObject(buffer, bitmap);
    HBRUSH back_colour = CreateSolidBrush(is_form ? kFormBackColour : kGroupBackColour);
    FillRect(buffer, &client, back_colour);
    DeleteObject(back_colour);
    if (back.DeviceContext() != nullptr) {
        BitBlt(buffer, 0, 0, back.Width(), back.Height(), back.DeviceContext(), 0, 0, SRCCOPY);
    }
    DrawWindowless(buffer, is_form ? Container::Form : Container::Group, look_,
                   !is_form && GetFocus() == window);
    BitBlt(target, 0, 0, width, height, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, previous);
    DeleteObject(bitmap);
    DeleteDC(buffer);
}

void SettingsDialogWindow::InvalidateControl(ControlId id) {
    const RECT rect = PixelPlace(id, scale_);
    InvalidateRect(ContainerWindow(Place(id).container), &rect, FALSE);
}

// A press of any mouse button on a selection box or the text of a choice.
void SettingsDialogWindow::OnMouseDown(HWND window, LPARAM lparam) {
    const auto kind = ChoiceKindAt(window == dialog_window_ ? Container::Form : Container::Group,
                                   static_cast<short>(LOWORD(lparam)),
                                   static_cast<short>(HIWORD(lparam)), scale_);
    if (kind) {
        Carry(dialog_.PressChoice(*kind));
    }
}

void SettingsDialogWindow::OnCommand(WPARAM wparam, LPARAM lparam) {
    if (lparam == 0) {
        // The dialog command to cancel: the same as "ｷｬﾝｾﾙ".
        if (LOWORD(wparam) == IDCANCEL) {
            Carry(dialog_.Cancel());
        }
        return;
    }
    if (HIWORD(wparam) == BN_CLICKED) {
        const auto button = static_cast<ControlId>(LOWORD(wparam) - kFirstControlWindowId);
        Carry(dialog_.ClickButton(button, TrackBoxText()));
    }
}

void ShowSettingsDialog(HINSTANCE instance, settings::SettingsPorts store,
                        const settings::SettingsPlaces& places, settings::MusicChoice& choice,
                        const std::string& message_caption) {
    SettingsDialogWindow window(instance, store, places, choice, message_caption);
    window.RunModal();
}

}  // namespace velmora::settings_dialog
