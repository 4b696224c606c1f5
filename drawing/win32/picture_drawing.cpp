#include "drawing/win32/picture_drawing.h"

#include <algorithm>

namespace velmora::drawing {

void DrawPictureInto(HDC dc, HBITMAP picture, const RECT& area) {
    BITMAP info{};
    if (picture == nullptr || GetObjectA(picture, sizeof info, &info) == 0) {
        return;
    }
    const LONG width = std::min<LONG>(info.bmWidth, area.right - area.left);
    const LONG height = std::min<LONG>(info.bmHeight, area.bottom - area.top);
    if (width <= 0 || height <= 0) {
        return;
    }
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, picture);
    BitBlt(dc, area.left, area.top, width, height, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

}  // namespace velmora::drawing
