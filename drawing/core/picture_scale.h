#pragma once
// The screens the pictures of Velmora.scr are made for: the button's faces,
// the settings dialog's selection boxes and the preview still. Each picture
// is generated once for every DPI below (resources/generators) and the
// program takes the set that suits the screen, so that a frame line, a
// selection box or its mark keeps its size beside the text at any DPI.

#include <array>

namespace velmora::drawing {

// The DPI a window is laid out and its pictures chosen for: the one the
// platform tells for the window or its monitor (0 where it cannot, as before
// Windows 8.1 or 10), else the system's DPI, else the 96 of the design.
int DpiToDrawFor(int told_dpi, int system_dpi);

// 100, 125, 150 and 200 % of the 96 dots per inch the pictures were designed at.
inline constexpr std::array<int, 4> kPictureDpis = {96, 120, 144, 192};

// The DPI of the pictures for a screen of `screen_dpi`: the largest made for
// at most that many, the 96-dpi set below 96.
int PictureDpiFor(int screen_dpi);

// The place of a picture set in kPictureDpis (0 for 96 dpi).
int PictureDpiIndex(int picture_dpi);

// The place of the set for a screen of `screen_dpi`: the programs' resource
// ids of a picture's sets lie one step apart in this order.
int PictureSetFor(int screen_dpi);

// A length of `pixels_at_96` at another DPI, rounded to whole pixels.
int ScaledPixels(int pixels_at_96, int dpi);

// The width of a 1-pixel line of a 96-dpi picture: whole pixels, so lines stay sharp.
int LineWidthAt(int dpi);

}  // namespace velmora::drawing
