#pragma once
// The settings dialog's behaviour. It shows the loaded music choice, lets the
// user pick a kind, a track and a file, and hands back the choice to write
// when the user saves. Platform-free: the Win32 window translates the user's
// actions into the events below and carries out the reply each one returns.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "settings/core/music_choice.h"
#include "text/core/cp932_string.h"
#include "settings_dialog/core/dialog_layout.h"
#include "settings_dialog/core/zoom_rectangles.h"

namespace velmora::settings_dialog {

// The open-file request: one filter (its description and pattern), a title,
// and the longest file name and file title the platform may give back (a
// longer choice fails the request).
struct OpenFileRequest {
    text::Cp932String filter_description;
    text::Cp932String filter_pattern;
    text::Cp932String title;
    std::size_t file_buffer_size = 0;
    std::size_t title_buffer_size = 0;
};

// What the platform's open-file dialog gave back: its result and the chosen
// path in code page 932 (the file's short form where code page 932 cannot
// name it). `namable` is false when neither form fits code page 932; the
// path then holds the name with "?" for what does not fit.
struct OpenFileAnswer {
    std::int32_t result = 0;
    text::Cp932String file;
    bool namable = true;
    bool playable = true;  // false when the platform's sound calls cannot open the path
};

// A document the shell opens, shown normally.
struct ShellLaunch {
    text::Cp932String verb, file;
};

inline constexpr std::size_t kFileBufferSize = 255;

// The open-file request the "..." button makes.
OpenFileRequest MusicFileRequest();
// The author's home page, opened by "その他の作品".
ShellLaunch HomePageLaunch();

// What the choice controls show: the picture of every selection box (the
// chosen kind's filled, the others empty; all empty for a kind outside 0..2),
// "..." enabled only for a file, the track box only for the CD, the text of
// the choice the keyboard is on (framed while the choices have the focus) and
// the chosen file's path.
struct ChoiceView {
    std::map<ControlId, bool> box_filled;  // every selection box: true when filled
    bool file_button_enabled = false;
    bool track_box_enabled = false;
    std::optional<ControlId> keyboard_choice;
    text::Cp932String file_name;
};

// The keys the dialog answers itself.
enum class DialogKey { Tab, Enter, Escape, Space, Up, Down, Left, Right };

struct KeyPress {
    DialogKey key = DialogKey::Tab;
    bool shift = false;
    std::optional<ControlId> focus;  // the control with the focus; MusicGroup: the choices
    bool track_list_open = false;    // the track box's list is dropped down
    text::Cp932View track_text{};    // what the track box holds
};

// What the window does after an event, in this order.
struct DialogReply {
    std::optional<ControlId> focus;  // give it the keyboard focus (MusicGroup: the choices)
    bool pass_key = false;           // the key goes on to the focused control
    bool show_choice = false;        // show View() again
    bool show_file_name = false;     // show View().file_name
    bool end_wait = false;      // ask the window the dialog waits on (the chooser, a message) to go
    bool ask_for_file = false;  // make MusicFileRequest() and hand the answer to FileAnswered
    bool open_home_page = false;                // HomePageLaunch(), under the hourglass
    std::optional<settings::MusicChoice> save;  // write it and hand the outcome to Saved
    bool close = false;         // zoom back to the cursor point and close the dialog
    text::Cp932String message;  // when not empty: tell the user, the dialog stays open
};

class SettingsDialog {
  public:
    // The dialog edits a choice of its own, starting from the loaded one.
    explicit SettingsDialog(settings::MusicChoice loaded)
        : choice_(std::move(loaded)), keyboard_kind_(KindsOnScreen().front()) {}

    ChoiceView View() const;
    // The track box's first text.
    text::Cp932String TrackBoxText() const;

    // The mouse position in screen pixels when the dialog loads (nothing when
    // the platform could not tell): the point the zooms start from and end at.
    void RecordCursor(std::optional<std::pair<std::int32_t, std::int32_t>> position);
    CursorPoint Cursor() const { return cursor_; }
    ZoomRects OpenZoom(ScreenRect window) const { return ZoomOpenRects(cursor_, window); }
    ZoomRects CloseZoom(ScreenRect window) const { return ZoomCloseRects(cursor_, window); }

    // A mouse press (any button) on the selection box or text of a kind.
    DialogReply PressChoice(int kind);
    // A button's click; `track_text` is what the track box holds.
    DialogReply ClickButton(ControlId button, text::Cp932View track_text);
    // The open-file dialog's answer to ask_for_file. A file code page 932
    // cannot name, or one the sound calls cannot open, is refused at once
    // with a message saying why, the choice unchanged.
    DialogReply FileAnswered(const OpenFileAnswer& answer);
    // The outcome of a save: nothing when written, else the message for the
    // user. Closes only after a good save; otherwise the choice stays on screen.
    DialogReply Saved(const std::optional<text::Cp932String>& failure);
    // Escape, the close box or a close request from outside: the same as
    // "ｷｬﾝｾﾙ". While the dialog waits for the user (BeginWait), the close waits
    // for the wait's end, and the reply asks the window waited on to go.
    DialogReply Cancel() { return ClickButton(ControlId::CancelButton, {}); }
    // The window carries out a step that waits for the user (the file
    // chooser, a message, the home page's launch), during which other
    // windows' messages still come; until EndWait, the dialog's windows must
    // stay. EndWait's reply closes when a close came meanwhile, and then an
    // answer from the chooser is passed over.
    void BeginWait() { waiting_ = true; }
    DialogReply EndWait();
    // A key pressed in the dialog. Tab and Shift+Tab move the focus round
    // FocusOrder(), past disabled controls; the choices take it on the
    // chosen one. There the arrow keys choose the one before or after it on
    // the screen and Space the one framed. Enter clicks a focused button
    // (the button's own key) and saves from anywhere else; Escape cancels.
    // With the track box's list down, both are the list's own.
    DialogReply KeyDown(const KeyPress& press);
    // The dialog went to the background with `focus` on one of its controls,
    // and came back: the focus returns there if the control still takes it.
    void Deactivated(std::optional<ControlId> focus) { focus_when_left_ = focus; }
    DialogReply Activated() const;

  private:
    // The enabled rule: "..." and the track box take the focus only with their kind.
    bool TakesFocus(ControlId id) const;
    DialogReply MoveFocus(std::optional<ControlId> from, bool back);
    // Whether the dialog has closed or is to close: then no event changes anything.
    bool Closing() const { return closed_ || close_pending_; }
    DialogReply Close();

    settings::MusicChoice choice_;
    CursorPoint cursor_;
    int keyboard_kind_;  // the choice the keyboard is on
    std::optional<ControlId> focus_when_left_;
    bool waiting_ = false;
    bool close_pending_ = false;  // a close came while waiting
    bool closed_ = false;         // a reply closed the dialog
};

}  // namespace velmora::settings_dialog
