#pragma once
// The painted background: horizontal rows whose brightness follows
// |sin| over the drawing height, dark at the top and bottom edges and bright
// at mid-height. The window draws them navy-tinted, the music group grey.

#include <cstdint>
#include <vector>

namespace velmora::settings_dialog {

struct GradientRow {
    std::int32_t y;
    std::uint32_t colour;  // 0x00BBGGRR
};

// b for every row y = 0 .. height (the last row included): with
// k = height / 3.142, b = |sin(y / k)| * 220 rounded to the nearest whole
// number, halves to even. Nothing for a height of 0 or less.
std::vector<int> GradientBrightness(std::int32_t height);

// The window's rows: (b, b, b + 30).
std::vector<GradientRow> FormGradient(std::int32_t height);
// The music group's rows: (b + 30, b + 30, b + 30).
std::vector<GradientRow> GroupGradient(std::int32_t height);

}  // namespace velmora::settings_dialog
