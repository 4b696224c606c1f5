#include "settings_dialog/win32/dialog_windows.h"

#include "button_control/core/font.h"
#include "button_control/win32/push_button_window.h"
#include "contract/run_contract.h"
#include "settings_dialog/core/dialog_texts.h"
#include "settings_dialog/core/group_description.h"
#include "settings_dialog/win32/dialog_resource_ids.h"
#include "settings_dialog/win32/group_accessible.h"

namespace velmora::settings_dialog {

namespace {

constexpr char kPictureBoxClassName[] = "Velmora_P.PictureBox";
constexpr DWORD kFormStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr int kComboListRows = 10;

void RegisterClasses(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSA form_class{};
    form_class.lpfnWndProc = procedure;
    form_class.hInstance = instance;
    form_class.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_SETTINGS_DIALOG));
    form_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    form_class.lpszClassName = contract::kSettingsDialogClass;
    RegisterClassA(&form_class);

    WNDCLASSA box_class = form_class;
    box_class.hIcon = nullptr;
    box_class.lpszClassName = kPictureBoxClassName;
    RegisterClassA(&box_class);
    button_control::RegisterPushButtonClass();
}

HMENU ChildId(ControlId id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlWindowId(id)));
}

}  // namespace

bool DialogWindows::Create(HINSTANCE instance, Scale scale, WNDPROC procedure, void* owner) {
    RegisterClasses(instance, procedure);
    const PixelRect client = ToPixels({0, 0, kClientWidth, kClientHeight}, scale);
    RECT frame{0, 0, client.width, client.height};
    AdjustWindowRect(&frame, kFormStyle, FALSE);
    form_ = CreateWindowExA(WS_EX_CONTROLPARENT, contract::kSettingsDialogClass, kDialogCaption,
                            kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                            frame.bottom - frame.top, nullptr, nullptr, instance, owner);
    if (form_ == nullptr) {
        return false;
    }
    // Windows in tab order: the focus leaving a button being disabled goes to
    // the next of them.
    for (const ControlId id : TabOrder()) {
        CreateControl(instance, scale, Place(id), owner);
    }
    return true;
}

void DialogWindows::CreateControl(HINSTANCE instance, Scale scale, const ControlPlace& place,
                                  void* owner) {
    const PixelRect rect = ToPixels(place.rect, scale);
    HWND parent = ContainerOf(place.container);
    switch (place.kind) {
        case ControlKind::PictureBox:
            group_ = CreateWindowExA(WS_EX_CONTROLPARENT, kPictureBoxClassName, "",
                                     WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect.x, rect.y,
                                     rect.width, rect.height, parent, nullptr, instance, owner);
            return;
        case ControlKind::ComboBox: {
            HWND window = CreateWindowExA(
                0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN,
                rect.x, rect.y, rect.width, rect.height * (kComboListRows + 1), parent,
                ChildId(place.id), instance, nullptr);
            SendMessageA(window, WM_SETFONT,
                         reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
            NameForScreenReaders(window, NameBeside(place.id));
            controls_[place.id] = window;
            return;
        }
        case ControlKind::Button: {
            button_control::PropertyBag layout;
            layout.WriteProperty("Caption", place.text, button_control::kDefaultCaption);
            layout.WriteProperty("Font", button_control::FontToText(button_control::DesignedFont()),
                                 "");
            controls_[place.id] =
                button_control::CreatePushButton(parent, ControlWindowId(place.id), rect.x, rect.y,
                                                 rect.width, rect.height, &layout);
            return;
        }
        default:
            return;  // drawn by its container
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
    SetFocus(id == ControlId::MusicGroup ? group_ : Control(id));
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

void DialogWindows::FillTrackBox(const std::string& text,
                                 const std::vector<std::string>& entries) const {
    HWND track_box = Control(ControlId::TrackBox);
    SetWindowTextA(track_box, text.c_str());
    for (const std::string& entry : entries) {
        SendMessageA(track_box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
}

std::string DialogWindows::TrackBoxText() const {
    HWND track_box = Control(ControlId::TrackBox);
    if (track_box == nullptr) {
        return {};
    }
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(track_box)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(track_box, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool DialogWindows::TrackListOpen() const {
    return SendMessageA(Control(ControlId::TrackBox), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

}  // namespace velmora::settings_dialog
