#pragma once
// A picture drawn into a window at its own size.

#include <windows.h>

namespace velmora::drawing {

// Draws `picture` at its own size with its top-left corner at `area`'s, cut
// off at the area's right and bottom edges. Nothing for a null picture.
void DrawPictureInto(HDC dc, HBITMAP picture, const RECT& area);

}  // namespace velmora::drawing
