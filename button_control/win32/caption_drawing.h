#pragma once
// Draws the caption label over the face: its font, its text colour,
// centred across its width, embossed grey when disabled.

#include <windows.h>

#include "button_control/core/push_button.h"

namespace velmora::button_control {

// The caption in its font at the scale's DPI.
void DrawCaption(HDC dc, const CaptionLabel& label, Scale scale);

// The logical font of a caption font at a vertical DPI, its face
// asked for by its real (wide) name on every system code page.
LOGFONTW CaptionLogFont(const Font& font, int dpi_y);

// The container's font, made for `dpi_y`, as a caption font; the designed
// font when it has none.
Font FontFromWindow(HWND window, int dpi_y);

}  // namespace velmora::button_control
