#include "settings_dialog/win32/dialog_windows.h"

#include "button_control/core/font.h"
#include "button_control/win32/push_button_window.h"
#include "contract/run_contract.h"
#include "platform_edge/win32/system_cursors.h"
#include "settings_dialog/core/group_description.h"
#include "settings_dialog/win32/dialog_resource_ids.h"
#include "settings_dialog/win32/group_accessible.h"
#include "system_dlls/win32/dpi_calls.h"
#include "text/win32/wide_text.h"

namespace velmora::settings_dialog {

namespace {

constexpr DWORD kFormStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;
constexpr int kComboListRows = 10;

void RegisterClasses(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSA form_class{};
    form_class.lpfnWndProc = procedure;
    form_class.hInstance = instance;
    form_class.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_SETTINGS_DIALOG));
    form_class.hCursor = platform_edge::ArrowCursor();
    form_class.lpszClassName = contract::kSettingsDialogClass;
    RegisterClassA(&form_class);

    WNDCLASSA box_class = form_class;
    box_class.hIcon = nullptr;
    box_class.lpszClassName = contract::kMusicGroupWindowClass;
    RegisterClassA(&box_class);
    button_control::RegisterPushButtonClass();
}

HMENU ChildId(ControlId id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlWindowId(id)));
}

// The window's outer size for its client area at `scale`, with the frame of
// that DPI.
SIZE FormSize(Scale scale) {
    const PixelRect client = ToPixels({0, 0, kClientWidth, kClientHeight}, scale);
    const RECT frame = system_dlls::FrameAround({0, 0, client.width, client.height}, kFormStyle,
                                                kFormExStyle, drawing::DpiOf(scale));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// A windowed control's place; the combo box's height takes in its list.
PixelRect WindowPlace(const ControlPlace& place, Scale scale) {
    PixelRect rect = ToPixels(place.rect, scale);
    if (place.kind == ControlKind::ComboBox) {
        rect.height *= kComboListRows + 1;
    }
    return rect;
}

}  // namespace

bool DialogWindows::Create(HINSTANCE instance, Scale scale, HFONT track_box_font, WNDPROC procedure,
                           void* owner) {
    RegisterClasses(instance, procedure);
    const SIZE size = FormSize(scale);
    form_ = CreateWindowExA(kFormExStyle, contract::kSettingsDialogClass,
                            contract::kSettingsDialogCaption, kFormStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr, instance, owner);
    if (form_ == nullptr) {
        return false;
    }
    // Windows in tab order: the focus leaving a button being disabled goes to
    // the next of them.
    for (const ControlId id : TabOrder()) {
        CreateControl(instance, scale, track_box_font, Place(id), owner);
    }
    return true;
}

void DialogWindows::CreateControl(HINSTANCE instance, Scale scale, HFONT track_box_font,
                                  const ControlPlace& place, void* owner) {
    const PixelRect rect = WindowPlace(place, scale);
    HWND parent = ContainerOf(place.container);
    switch (place.kind) {
        case ControlKind::PictureBox:
            group_ = CreateWindowExA(WS_EX_CONTROLPARENT, contract::kMusicGroupWindowClass, "",
                                     WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect.x, rect.y,
                                     rect.width, rect.height, parent, nullptr, instance, owner);
            return;
        case ControlKind::ComboBox: {
            HWND window = CreateWindowExA(
                0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN,
                rect.x, rect.y, rect.width, rect.height, parent, ChildId(place.id), instance,
                nullptr);
            SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(track_box_font), FALSE);
            NameForScreenReaders(window, NameBeside(place.id));
            controls_[place.id] = window;
            return;
        }
        case ControlKind::Button: {
            button_control::PropertyBag layout;
            layout.WriteProperty("Caption", place.text, button_control::kDefaultCaption);
            layout.WriteProperty("Font", button_control::FontToText(button_control::DesignedFont()),
                                 "");
            HWND window =
                button_control::CreatePushButton(parent, ControlWindowId(place.id), rect.x, rect.y,
                                                 rect.width, rect.height, &layout);
            if (auto* button = button_control::PushButtonFromWindow(window)) {
                button->SetScale(scale);
            }
            controls_[place.id] = window;
            return;
        }
        default:
            return;  // drawn by its container
    }
}

void DialogWindows::LayOut(Scale scale, HFONT track_box_font, POINT top_left) const {
    for (const ControlPlace& place : Controls()) {
        HWND window = WindowOf(place.id);
        if (window == nullptr) {
            continue;
        }
        if (auto* button = button_control::PushButtonFromWindow(window)) {
            button->SetScale(scale);
        }
        if (place.kind == ControlKind::ComboBox) {
            SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(track_box_font), FALSE);
        }
        const PixelRect rect = WindowPlace(place, scale);
        SetWindowPos(window, nullptr, rect.x, rect.y, rect.width, rect.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const SIZE size = FormSize(scale);
    SetWindowPos(form_, nullptr, top_left.x, top_left.y, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // Workaround (Wine): the frame may come out at the system's DPI rather
    // than the window's; the client area still gets its size.
    const PixelRect client = ToPixels({0, 0, kClientWidth, kClientHeight}, scale);
    RECT measured{};
    GetClientRect(form_, &measured);
    if (measured.right != client.width || measured.bottom != client.height) {
        SetWindowPos(form_, nullptr, 0, 0, size.cx + client.width - measured.right,
                     size.cy + client.height - measured.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void DialogWindows::Destroy() {
    if (form_ != nullptr && IsWindow(form_)) {
        DestroyWindow(form_);
    }
    form_ = nullptr;
    group_ = nullptr;
    controls_.clear();
}

HWND DialogWindows::ContainerOf(Container container) const {
    return container == Container::Form ? form_ : group_;
}

HWND DialogWindows::Control(ControlId id) const {
    const auto control = controls_.find(id);
    return control != controls_.end() ? control->second : nullptr;
}

HWND DialogWindows::WindowOf(ControlId id) const {
    return id == ControlId::MusicGroup ? group_ : Control(id);
}

std::optional<ControlId> DialogWindows::FocusedControl() const {
    HWND focus = GetFocus();
    if (focus == nullptr) {
        return std::nullopt;
    }
    if (focus == group_) {
        return ControlId::MusicGroup;
    }
    for (const auto& [id, window] : controls_) {
        if (window == focus || IsChild(window, focus)) {
            return id;
        }
    }
    return std::nullopt;
}

void DialogWindows::Focus(ControlId id) const {
    SetFocus(WindowOf(id));
}

void DialogWindows::FocusFirstEnabled() const {
    for (const ControlId id : TabOrder()) {
        HWND window = Control(id);
        if (window != nullptr && IsWindowEnabled(window)) {
            SetFocus(window);
            return;
        }
    }
}

void DialogWindows::SetEnabled(ControlId id, bool enabled) const {
    HWND window = Control(id);
    if (window == nullptr) {
        return;
    }
    if (auto* button = button_control::PushButtonFromWindow(window)) {
        button->SetEnabled(enabled);  // with its window
        return;
    }
    EnableWindow(window, enabled ? TRUE : FALSE);
}

void DialogWindows::InitializeButtons() const {
    for (const auto& [id, window] : controls_) {
        if (auto* button = button_control::PushButtonFromWindow(window)) {
            button->Initialize();
        }
    }
}

void DialogWindows::FillTrackBox(text::Cp932View text,
                                 const std::vector<text::Cp932String>& entries) const {
    HWND track_box = Control(ControlId::TrackBox);
    SetWindowTextW(track_box, text::WideFromCp932(text).c_str());
    for (const text::Cp932String& entry : entries) {
        SendMessageW(track_box, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(text::WideFromCp932(entry).c_str()));
    }
}

text::Cp932String DialogWindows::TrackBoxText() const {
    HWND track_box = Control(ControlId::TrackBox);
    if (track_box == nullptr) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(track_box)) + 1, L'\0');
    wide.resize(static_cast<std::size_t>(
        GetWindowTextW(track_box, wide.data(), static_cast<int>(wide.size()))));
    return text::Cp932FromWide(wide);
}

bool DialogWindows::TrackListOpen() const {
    return SendMessageA(Control(ControlId::TrackBox), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

}  // namespace velmora::settings_dialog
