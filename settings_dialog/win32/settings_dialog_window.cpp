// The settings dialog's window and its modal run. How control flows through
// it:
//  1. ShowSettingsDialog makes the window's object; RunModal creates the
//     windows hidden at the DPI of the monitor it opens on, paints the back
//     images and loads the dialog (Load: placed, laid out again at the DPI it
//     landed on, the buttons initialised, the choice, the track box and the
//     file name shown, the opening zoom), then shows it with the focus on the
//     first enabled control.
//  2. RunModal's own message loop hands every key pressed in the dialog to the
//     core first (AnswerKey); what the core passes on, and every other
//     message, is dispatched.
//  3. Handle, for the window and its music group, paints, follows a DPI
//     change, answers screen readers for the group, and turns presses on the
//     choices (OnMouseDown), the buttons' clicks (OnCommand) and close
//     requests into SettingsDialog events.
//  4. Carry does what the DialogReply lists: the focus, the choice and the
//     file name shown, the file chooser, the home page and the save (their
//     outcomes go back to the core and its reply is carried in turn), a
//     message, and the close. The chooser, a message and the home page's
//     launch wait for the user while other messages still come: the core is
//     told of each wait, and a close request meanwhile only asks the window
//     waited on to go (CloseOwnedWindows); the close itself comes when the
//     wait is over, never inside it.
//  5. Close zooms to the cursor and destroys the windows; the loop ends and
//     ShowSettingsDialog returns.
#include "settings_dialog/win32/settings_dialog_window.h"

#include <optional>
#include <utility>

#include "drawing/win32/drawing_dpi.h"
#include "platform_edge/win32/carry_in_turn.h"
#include "platform_edge/win32/guarded_entry.h"
#include "platform_edge/win32/window_owner.h"
#include "settings_dialog/core/track_text.h"
#include "settings_dialog/win32/group_accessible.h"
#include "settings_dialog/win32/platform_requests.h"
#include "settings_dialog/win32/show_settings_dialog.h"
#include "system_dlls/win32/dpi_calls.h"
#include "text/win32/wide_text.h"

namespace velmora::settings_dialog {

namespace {

// The dialog opens centred on the primary screen, at the DPI of its monitor.
Scale OpeningScale() {
    return drawing::DrawingScale(
        system_dlls::MonitorDpi(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY)));
}

POINT TopLeftOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top};
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = platform_edge::OwnerOf<SettingsDialogWindow>(window, message, lparam);
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

BOOL CALLBACK CloseIfOwnedBy(HWND window, LPARAM owner) noexcept {
    return platform_edge::AnswerWithin<BOOL>(FALSE, [&] {
        if (GetWindow(window, GW_OWNER) == reinterpret_cast<HWND>(owner) &&
            IsWindowVisible(window)) {
            PostMessageW(window, WM_CLOSE, 0, 0);
        }
        return TRUE;
    });
}

// Every shown window of this thread that `owner` owns (the file chooser, a
// message box) is asked to close, as its close box would.
void CloseOwnedWindows(HWND owner) {
    EnumThreadWindows(GetCurrentThreadId(), CloseIfOwnedBy, reinterpret_cast<LPARAM>(owner));
}

}  // namespace

SettingsDialogWindow::SettingsDialogWindow(HINSTANCE instance, settings::SettingsPorts store,
                                           settings::SettingsPlaces places,
                                           const settings::MusicChoice& loaded,
                                           text::Cp932String message_caption)
    : instance_(instance),
      store_(store),
      places_(std::move(places)),
      message_caption_(std::move(message_caption)),
      scale_(OpeningScale()),
      painting_(instance, scale_),
      dialog_(loaded) {}

SettingsDialogWindow::~SettingsDialogWindow() {
    windows_.Destroy();
}

void SettingsDialogWindow::RunModal() {
    if (!windows_.Create(instance_, scale_, painting_.TrackBoxFont(),
                         platform_edge::GuardedWindowProc<FormProc>, this)) {
        return;
    }
    painting_.PaintBackground(windows_.Form(), windows_.Group());
    describe_group_ = std::make_shared<const DescribeGroup>([this] { return GroupItems(); });
    Load();
    complete_ = true;
    ShowWindow(windows_.Form(), SW_SHOWNORMAL);
    SetForegroundWindow(windows_.Form());
    windows_.FocusFirstEnabled();
    MSG msg;
    while (!closed_ && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!AnswerKey(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

LRESULT SettingsDialogWindow::Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    std::optional<LRESULT> answer = window == windows_.Form()
                                        ? FormMessage(message, wparam, lparam)
                                        : GroupMessage(window, message, wparam, lparam);
    if (!answer) {
        answer = EitherMessage(window, message, wparam, lparam);
    }
    return answer ? *answer : DefWindowProcA(window, message, wparam, lparam);
}

std::optional<LRESULT> SettingsDialogWindow::FormMessage(UINT message, WPARAM wparam,
                                                         LPARAM lparam) {
    switch (message) {
        case WM_SIZE:
            painting_.PaintBackground(windows_.Form(), windows_.Group());
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lparam);
            FollowDpi(drawing::ScaleForDpi(LOWORD(wparam), HIWORD(wparam)),
                      {suggested->left, suggested->top});
            return 0;
        }
        case WM_ACTIVATE:
            return OnActivate(wparam);
        case WM_CLOSE:
            Carry(dialog_.Cancel());
            return 0;
        default:
            return std::nullopt;
    }
}

std::optional<LRESULT> SettingsDialogWindow::GroupMessage(HWND window, UINT message, WPARAM wparam,
                                                          LPARAM lparam) {
    const bool is_group = window == windows_.Group();
    switch (message) {
        case WM_SIZE:
        case WM_CLOSE:
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            if (is_group) {
                ShowChoicesFocus();
            }
            return std::nullopt;
        case WM_GETOBJECT:
            return is_group ? OnGetObject(window, wparam, lparam) : std::nullopt;
        case WM_DESTROY:
            // The objects screen readers still hold answer from now on that they are gone.
            if (is_group) {
                describe_group_.reset();
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

std::optional<LRESULT> SettingsDialogWindow::EitherMessage(HWND window, UINT message, WPARAM wparam,
                                                           LPARAM lparam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // the back image covers everything
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            Paint(window, dc);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(window, reinterpret_cast<HDC>(wparam));
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(painting_.LabelFont());
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
                ShowPointer(true);
                return TRUE;
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

// The dialog's keys, pressed anywhere in it, go to the dialog first; true
// when it kept the key.
bool SettingsDialogWindow::AnswerKey(const MSG& msg) {
    HWND form = windows_.Form();
    if (msg.message != WM_KEYDOWN || (msg.hwnd != form && !IsChild(form, msg.hwnd))) {
        return false;
    }
    const std::optional<DialogKey> key = DialogKeyOf(msg.wParam);
    if (!key) {
        return false;
    }
    const text::Cp932String track_text = windows_.TrackBoxText();
    const DialogReply reply =
        dialog_.KeyDown({*key, GetKeyState(VK_SHIFT) < 0, windows_.FocusedControl(),
                         windows_.TrackListOpen(), track_text});
    if (reply.pass_key) {
        return false;
    }
    Carry(reply);
    return true;
}

// A press of any mouse button on a selection box or the text of a choice.
void SettingsDialogWindow::OnMouseDown(HWND window, LPARAM lparam) {
    const auto kind = ChoiceKindAt(window == windows_.Form() ? Container::Form : Container::Group,
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
        Carry(dialog_.ClickButton(button, windows_.TrackBoxText()));
    }
}

// Back from another window, the focus returns to where the dialog says.
std::optional<LRESULT> SettingsDialogWindow::OnActivate(WPARAM wparam) {
    if (LOWORD(wparam) == WA_INACTIVE) {
        dialog_.Deactivated(windows_.FocusedControl());
        return std::nullopt;
    }
    const DialogReply back = dialog_.Activated();
    if (!back.focus) {
        return std::nullopt;
    }
    Carry(back);
    return 0;
}

// A screen reader asking while the dialog is being made gets the platform's own object.
std::optional<LRESULT> SettingsDialogWindow::OnGetObject(HWND window, WPARAM wparam,
                                                         LPARAM lparam) const {
    if (!complete_ || !describe_group_) {
        return std::nullopt;
    }
    if (const LRESULT answer =
            AnswerGroupObject(window, wparam, lparam, describe_group_,
                              text::Cp932View(Place(ControlId::GroupHeading).text), scale_)) {
        return answer;
    }
    return std::nullopt;
}

void SettingsDialogWindow::Paint(HWND window, HDC dc) const {
    const bool is_form = window == windows_.Form();
    painting_.Compose(window, dc, is_form ? Container::Form : Container::Group,
                      !is_form && GetFocus() == window);
}

std::vector<AccessItem> SettingsDialogWindow::GroupItems() const {
    return DescribeMusicGroup(dialog_.View(), windows_.TrackBoxText(), windows_.FocusedControl());
}

void SettingsDialogWindow::Load() {
    HWND form = windows_.Form();
    MoveToItsPlace();
    if (const auto again =
            ScaleToPlaceAgainAt(scale_, drawing::DrawingScale(system_dlls::WindowDpi(form)))) {
        FollowDpi(*again, TopLeftOf(form));
        MoveToItsPlace();
    }

    windows_.InitializeButtons();
    ShowChoice(dialog_.View());
    windows_.FillTrackBox(dialog_.TrackBoxText(), TrackListEntries());
    ShowFileName(dialog_.View().file_name);

    POINT point;
    if (GetCursorPos(&point)) {
        dialog_.RecordCursor(
            std::make_pair(static_cast<std::int32_t>(point.x), static_cast<std::int32_t>(point.y)));
    } else {
        dialog_.RecordCursor(std::nullopt);
    }
    Zoom(form, dialog_.OpenZoom(WindowRectOf(form)));
    SetHourglass(false);
}

// Centred across, at a third of the free height, in twips.
void SettingsDialogWindow::MoveToItsPlace() const {
    HWND form = windows_.Form();
    RECT window{};
    GetWindowRect(form, &window);
    const PixelPoint place =
        PlaceDialogInPixels(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                            window.right - window.left, window.bottom - window.top, scale_);
    SetWindowPos(form, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Fonts, pictures, every window and the back images at the scale of another
// DPI; the window's top-left corner goes to `top_left`.
void SettingsDialogWindow::FollowDpi(Scale scale, POINT top_left) {
    scale_ = scale;
    painting_.ChangeScale(scale);
    windows_.LayOut(scale, painting_.TrackBoxFont(), top_left);
    painting_.PaintBackground(windows_.Form(), windows_.Group());
}

void SettingsDialogWindow::Carry(DialogReply reply) {
    platform_edge::CarryInTurn(std::move(reply),
                               [this](const DialogReply& next) { return CarryOne(next); });
}

std::vector<DialogReply> SettingsDialogWindow::CarryOne(const DialogReply& reply) {
    std::vector<DialogReply> outcomes;
    if (reply.focus) {
        windows_.Focus(*reply.focus);
    }
    if (reply.show_choice) {
        ShowChoice(dialog_.View());
    }
    if (reply.show_file_name) {
        ShowFileName(dialog_.View().file_name);
    }
    if (reply.end_wait) {
        CloseOwnedWindows(windows_.Form());
    }
    if (reply.ask_for_file) {
        dialog_.BeginWait();
        const OpenFileAnswer answer = AskForFile(windows_.Form(), instance_, MusicFileRequest());
        outcomes.push_back(dialog_.FileAnswered(answer));
        outcomes.push_back(dialog_.EndWait());
    }
    if (reply.open_home_page) {
        SetHourglass(true);
        dialog_.BeginWait();
        OpenWithShell(windows_.Form(), HomePageLaunch());
        outcomes.push_back(dialog_.EndWait());
        SetHourglass(false);
    }
    if (reply.save) {
        // A file another program holds is tried again for a moment.
        SetHourglass(true);
        const auto failure = settings::SaveMusicChoice(store_, places_, *reply.save);
        SetHourglass(false);
        outcomes.push_back(dialog_.Saved(failure));
    }
    if (!reply.message.Empty()) {
        dialog_.BeginWait();
        text::ShowMessage(windows_.Form(), reply.message, message_caption_);
        outcomes.push_back(dialog_.EndWait());
    }
    if (reply.close) {
        Close();
    }
    return outcomes;
}

// Both choice controls are disabled first and the kind's one enabled again,
// whatever they showed before.
void SettingsDialogWindow::ShowChoice(const ChoiceView& view) {
    windows_.SetEnabled(ControlId::ChooseFileButton, false);
    windows_.SetEnabled(ControlId::TrackBox, false);
    painting_.ShowBoxPictures(view.box_filled, windows_.Group());
    if (view.track_box_enabled) {
        windows_.SetEnabled(ControlId::TrackBox, true);
    }
    if (view.file_button_enabled) {
        windows_.SetEnabled(ControlId::ChooseFileButton, true);
    }
    painting_.FrameKeyboardChoice(view.keyboard_choice, windows_.Group());
    ShowChoicesFocus();
}

void SettingsDialogWindow::ShowFileName(text::Cp932View file) {
    painting_.ShowFileName(file, windows_.ContainerOf(Place(ControlId::FileNameLabel).container));
}

// The frame on the keyboard's choice follows the focus, and screen readers
// hear of the choice it is on.
void SettingsDialogWindow::ShowChoicesFocus() {
    HWND group = windows_.Group();
    if (group == nullptr) {
        return;
    }
    InvalidateRect(group, nullptr, FALSE);
    if (GetFocus() == group) {
        NotifyWinEvent(EVENT_OBJECT_FOCUS, group, OBJID_CLIENT, FocusedChild(GroupItems()));
    }
}

void SettingsDialogWindow::SetHourglass(bool on) {
    hourglass_ = on;
    ShowPointer(on);
}

// The closing zoom, then the window goes and the modal run ends.
void SettingsDialogWindow::Close() {
    if (closed_) {
        return;
    }
    Zoom(windows_.Form(), dialog_.CloseZoom(WindowRectOf(windows_.Form())));
    closed_ = true;
    windows_.Destroy();
}

void ShowSettingsDialog(HINSTANCE instance, settings::SettingsPorts store,
                        const settings::SettingsPlaces& places, const settings::MusicChoice& loaded,
                        text::Cp932View message_caption) {
    SettingsDialogWindow window(instance, store, places, loaded,
                                text::Cp932String(message_caption));
    window.RunModal();
}

}  // namespace velmora::settings_dialog
