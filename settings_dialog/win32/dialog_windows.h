#pragma once
// The dialog's windows: the window itself, the music group (a picture box the
// choices are drawn in) and the windowed controls (the track box and the four
// buttons), made hidden and found by their ids.

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "settings_dialog/core/dialog_layout.h"
#include "text/core/cp932_string.h"

namespace velmora::settings_dialog {

// The id of a control's window (the track box and the four buttons), which
// their WM_COMMAND notifications carry.
inline constexpr int kFirstControlWindowId = 100;
inline int ControlWindowId(ControlId id) {
    return kFirstControlWindowId + static_cast<int>(id);
}

class DialogWindows {
  public:
    DialogWindows() = default;
    DialogWindows(const DialogWindows&) = delete;
    DialogWindows& operator=(const DialogWindows&) = delete;

    // Makes the windows at `scale`, in tab order, the track box in its font;
    // the window's and the group's messages go to `procedure`, which is
    // handed `owner` at their creation. False when the window itself could
    // not be made.
    bool Create(HINSTANCE instance, Scale scale, HFONT track_box_font, WNDPROC procedure,
                void* owner);
    // Every window at its place and size at another scale, the window's top-left
    // corner at `top_left` (screen pixels); the buttons draw at that scale and
    // the track box takes its font.
    void LayOut(Scale scale, HFONT track_box_font, POINT top_left) const;
    // Destroys the window with its children.
    void Destroy();

    HWND Form() const { return form_; }
    HWND Group() const { return group_; }
    HWND ContainerOf(Container container) const;
    // A windowed control's window; null for the others and before it is made.
    HWND Control(ControlId id) const;
    // The window of the music group or of a windowed control; null for the others.
    HWND WindowOf(ControlId id) const;

    // The windowed control whose window or a child of it (the track box's
    // edit field) has the keyboard focus, or MusicGroup when the group has it
    // (the choices); none while the focus is elsewhere.
    std::optional<ControlId> FocusedControl() const;
    void Focus(ControlId id) const;
    void FocusFirstEnabled() const;
    // A disabled control takes neither the focus nor the mouse.
    void SetEnabled(ControlId id, bool enabled) const;

    void InitializeButtons() const;
    void FillTrackBox(text::Cp932View text, const std::vector<text::Cp932String>& entries) const;
    // What the track box holds (code page 932); empty before it is made.
    text::Cp932String TrackBoxText() const;
    bool TrackListOpen() const;

  private:
    void CreateControl(HINSTANCE instance, Scale scale, HFONT track_box_font,
                       const ControlPlace& place, void* owner);

    HWND form_ = nullptr;
    HWND group_ = nullptr;
    std::map<ControlId, HWND> controls_;  // the combo box and the four buttons
};

}  // namespace velmora::settings_dialog
