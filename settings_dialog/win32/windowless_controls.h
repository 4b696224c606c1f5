#pragma once
// The controls that have no window of their own (labels, images and the
// shape): drawn by their container over its back image, and found under the
// mouse by their container.

#include <windows.h>

#include <map>
#include <string>

#include "settings_dialog/core/dialog_layout.h"

namespace velmora::settings_dialog {

struct WindowlessLook {
    HFONT label_font = nullptr;
    HBITMAP empty_box = nullptr;         // Img_Ra(0)
    HBITMAP filled_box = nullptr;        // Img_Ra(1)
    std::map<ControlId, bool> selected;  // the picture each Img_BGM holds, once given one
    std::string file_caption;            // lbl_Fname
    Scale scale;
};

// A control's place in its container's client area, in pixels.
RECT PixelPlace(ControlId id, Scale scale);

// Draws the container's windowless controls; the hidden Img_Ra sources stay unseen.
void DrawWindowless(HDC dc, Container container, const WindowlessLook& look);

}  // namespace velmora::settings_dialog
