#pragma once
// The controls that have no window of their own (labels, images and the
// shape): their places in pixels, their selection-box pictures, and their
// drawing over the container's back image when the container paints. Which
// choice a press lands on is the layout's to say (ChoiceKindAt).

#include <windows.h>

#include <map>
#include <optional>
#include <string>

#include "settings_dialog/core/dialog_layout.h"
#include "text/core/cp932_string.h"

namespace velmora::settings_dialog {

struct WindowlessLook {
    HFONT label_font = nullptr;
    HBITMAP empty_box = nullptr;
    HBITMAP filled_box = nullptr;
    std::map<ControlId, bool> selected;  // the picture each selection box holds, once given one
    text::Cp932String file_caption;      // the chosen file's path
    std::optional<ControlId> keyboard_choice;  // framed while the choices have the focus
    Scale scale;
};

// A control's place in its container's client area, in pixels.
RECT PixelPlace(ControlId id, Scale scale);

// The empty or the filled selection-box picture of the set that suits the
// screen's scale, from the program's resources (the caller deletes it).
HBITMAP LoadSelectionBox(HINSTANCE instance, bool filled, Scale scale);

// Draws the container's windowless controls, with the focus frame on the
// keyboard's choice when `choices_focused`; the hidden box pictures stay unseen.
void DrawWindowless(HDC dc, Container container, const WindowlessLook& look,
                    bool choices_focused = false);

}  // namespace velmora::settings_dialog
