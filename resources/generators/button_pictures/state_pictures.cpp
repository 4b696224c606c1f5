#include "resources/generators/button_pictures/state_pictures.h"

#include <cmath>

namespace velmora::resources {

namespace {

constexpr int kRight = Picture::kWidth - 1;    // 63
constexpr int kBottom = Picture::kHeight - 1;  // 24

// The dialog's beige, around a pressed or disabled button.
constexpr Rgb kBeige{236, 233, 216};

constexpr Rgb kOutline{0, 60, 116};
constexpr Rgb kOutlineCornerDark{37, 87, 131};
constexpr Rgb kOutlineCornerLight{122, 149, 168};

Rgb Mix(Rgb from, Rgb to, double t) {
    auto channel = [t](int a, int b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
    };
    return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

// The ring just outside the outline: darker at the top and left, lighter at
// the bottom and right. `inset` 0 is the picture's edge.
void DrawRing(Picture& p, int inset) {
    p.Fill(inset, inset, inset, kBottom - inset, {226, 222, 203});                     // left
    p.Fill(kRight - inset, inset, kRight - inset, kBottom - inset, {240, 238, 224});   // right
    p.Fill(inset, inset, kRight - inset, inset, {220, 214, 194});                      // top
    p.Fill(inset, kBottom - inset, kRight - inset, kBottom - inset, {250, 250, 246});  // bottom
}

struct Corners {
    Rgb light;  // the corner pixel itself
    Rgb dark;   // its two neighbours along the outline
};

// A 1-pixel outline `inset` pixels in from the edge, its corners rounded.
void DrawOutline(Picture& p, int inset, Rgb colour, Corners corners) {
    const int left = inset, top = inset, right = kRight - inset, bottom = kBottom - inset;
    p.Fill(left, top, right, top, colour);
    p.Fill(left, bottom, right, bottom, colour);
    p.Fill(left, top, left, bottom, colour);
    p.Fill(right, top, right, bottom, colour);
    for (int x : {left, right}) {
        for (int y : {top, bottom}) {
            const int in_x = x == left ? 1 : -1;
            const int in_y = y == top ? 1 : -1;
            p.Set(x, y, corners.light);
            p.Set(x + in_x, y, corners.dark);
            p.Set(x, y + in_y, corners.dark);
        }
    }
}

// Rows from `top` to `bottom` fading from one colour to the other.
void FillFade(Picture& p, int left, int top, int right, int bottom, Rgb from, Rgb to) {
    for (int y = top; y <= bottom; ++y) {
        p.Fill(left, y, right, y, Mix(from, to, static_cast<double>(y - top) / (bottom - top)));
    }
}

struct Rim {
    Rgb top_outer, top_inner, bottom_inner, bottom_outer, sides;
};

// The 2-pixel rim inside an outline at inset 1: two rows at the top and at the
// bottom across the full inside width, two columns on each side between them.
void DrawRim(Picture& p, const Rim& rim) {
    p.Fill(2, 2, kRight - 2, 2, rim.top_outer);
    p.Fill(2, 3, kRight - 2, 3, rim.top_inner);
    p.Fill(2, kBottom - 3, kRight - 2, kBottom - 3, rim.bottom_inner);
    p.Fill(2, kBottom - 2, kRight - 2, kBottom - 2, rim.bottom_outer);
    p.Fill(2, 4, 3, kBottom - 4, rim.sides);
    p.Fill(kRight - 3, 4, kRight - 2, kBottom - 4, rim.sides);
}

// The near-white interior of the hover and focus pictures.
void FillBrightInterior(Picture& p) {
    FillFade(p, 2, 2, kRight - 2, kBottom - 2, {252, 252, 251}, {236, 235, 230});
}

Picture Normal() {
    Picture p;
    DrawRing(p, 0);
    p.Fill(2, 2, kRight - 2, kBottom - 2, {243, 243, 238});
    // A soft shade along the lower right.
    p.Fill(kRight - 3, 2, kRight - 3, kBottom - 4, {238, 237, 231});
    p.Fill(kRight - 2, 2, kRight - 2, kBottom - 4, {232, 229, 223});
    p.Fill(2, kBottom - 3, kRight - 2, kBottom - 3, {226, 223, 214});
    p.Fill(2, kBottom - 2, kRight - 2, kBottom - 2, {214, 208, 197});
    DrawOutline(p, 1, kOutline, {kOutlineCornerLight, kOutlineCornerDark});
    return p;
}

Picture HighLight() {
    Picture p;
    DrawRing(p, 0);
    FillBrightInterior(p);
    DrawRim(p, {{255, 240, 207}, {253, 216, 137}, {248, 179, 48}, {229, 151, 0}, {252, 202, 105}});
    DrawOutline(p, 1, kOutline, {kOutlineCornerLight, kOutlineCornerDark});
    return p;
}

Picture Selected() {
    Picture p;
    DrawRing(p, 0);
    FillBrightInterior(p);
    const Rgb top{206, 231, 255}, bottom{105, 130, 238};
    DrawRim(p, {top, top, bottom, bottom, {169, 197, 239}});
    DrawOutline(p, 1, kOutline, {kOutlineCornerLight, kOutlineCornerDark});
    return p;
}

Picture Pressed() {
    Picture p;
    p.Fill(0, 0, kRight, kBottom, kBeige);
    DrawRing(p, 1);
    p.Fill(3, 3, kRight - 3, kBottom - 3, {226, 225, 217});
    // A shadow along the top, as if the face were sunk in.
    p.Fill(3, 3, kRight - 3, 3, {209, 204, 193});
    p.Fill(3, 4, kRight - 3, 4, {220, 216, 207});
    DrawOutline(p, 2, kOutline, {kOutlineCornerLight, kOutlineCornerDark});
    return p;
}

Picture Disable() {
    Picture p;
    const Rgb outline{201, 199, 186}, interior{245, 244, 234};
    p.Fill(0, 0, kRight, kBottom, kBeige);
    p.Fill(2, 2, kRight - 2, kBottom - 2, interior);
    // Corners rounded the way the enabled outline's are: blended toward the inside.
    DrawOutline(p, 1, outline, {Mix(outline, interior, 0.5), Mix(outline, interior, 0.15)});
    return p;
}

}  // namespace

void Picture::Fill(int x0, int y0, int x1, int y1, Rgb colour) {
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            Set(x, y, colour);
        }
    }
}

Picture MakeButtonPicture(ButtonPicture which) {
    switch (which) {
        case ButtonPicture::Normal:
            return Normal();
        case ButtonPicture::HighLight:
        case ButtonPicture::HighLightSelect:
            return HighLight();
        case ButtonPicture::Pressed:
            return Pressed();
        case ButtonPicture::Disable:
            return Disable();
        case ButtonPicture::Selected:
            return Selected();
    }
    return Normal();
}

std::string ButtonPictureFileName(ButtonPicture which) {
    switch (which) {
        case ButtonPicture::Normal:
            return "button_normal.bmp";
        case ButtonPicture::HighLight:
            return "button_highlight.bmp";
        case ButtonPicture::HighLightSelect:
            return "button_highlightselect.bmp";
        case ButtonPicture::Pressed:
            return "button_pressed.bmp";
        case ButtonPicture::Disable:
            return "button_disable.bmp";
        case ButtonPicture::Selected:
            return "button_selected.bmp";
    }
    return {};
}

std::vector<std::uint8_t> BmpFile(const Picture& picture) {
    constexpr int kRowBytes = (Picture::kWidth * 3 + 3) / 4 * 4;
    constexpr std::uint32_t kHeaderBytes = 14 + 40;
    constexpr std::uint32_t kImageBytes = kRowBytes * Picture::kHeight;
    std::vector<std::uint8_t> file;
    auto put16 = [&file](std::uint32_t v) {
        file.push_back(v & 0xFF);
        file.push_back((v >> 8) & 0xFF);
    };
    auto put32 = [&put16](std::uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    file.push_back('B');
    file.push_back('M');
    put32(kHeaderBytes + kImageBytes);
    put32(0);
    put32(kHeaderBytes);
    put32(40);
    put32(Picture::kWidth);
    put32(Picture::kHeight);  // positive: bottom-up rows
    put16(1);                 // planes
    put16(24);                // bits per pixel
    put32(0);                 // no compression
    put32(kImageBytes);
    put32(3780);  // 96 dots per inch
    put32(3780);
    put32(0);
    put32(0);
    for (int y = Picture::kHeight - 1; y >= 0; --y) {
        for (int x = 0; x < Picture::kWidth; ++x) {
            const Rgb c = picture.At(x, y);
            file.push_back(c.b);
            file.push_back(c.g);
            file.push_back(c.r);
        }
        for (int pad = Picture::kWidth * 3; pad < kRowBytes; ++pad) {
            file.push_back(0);
        }
    }
    return file;
}

}  // namespace velmora::resources
