#include "resources/generators/button_pictures/state_pictures.h"

#include <cmath>

namespace velmora::resources {

namespace {

constexpr int kRight = Picture::kDesignWidth - 1;    // 63
constexpr int kBottom = Picture::kDesignHeight - 1;  // 24

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

Picture Normal(int dpi) {
    Picture p(dpi);
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

Picture HighLight(int dpi) {
    Picture p(dpi);
    DrawRing(p, 0);
    FillBrightInterior(p);
    DrawRim(p, {{255, 240, 207}, {253, 216, 137}, {248, 179, 48}, {229, 151, 0}, {252, 202, 105}});
    DrawOutline(p, 1, kOutline, {kOutlineCornerLight, kOutlineCornerDark});
    return p;
}

Picture Selected(int dpi) {
    Picture p(dpi);
    DrawRing(p, 0);
    FillBrightInterior(p);
    const Rgb top{206, 231, 255}, bottom{105, 130, 238};
    DrawRim(p, {top, top, bottom, bottom, {169, 197, 239}});
    DrawOutline(p, 1, kOutline, {kOutlineCornerLight, kOutlineCornerDark});
    return p;
}

Picture Pressed(int dpi) {
    Picture p(dpi);
    p.Fill(0, 0, kRight, kBottom, kBeige);
    DrawRing(p, 1);
    p.Fill(3, 3, kRight - 3, kBottom - 3, {226, 225, 217});
    // A shadow along the top, as if the face were sunk in.
    p.Fill(3, 3, kRight - 3, 3, {209, 204, 193});
    p.Fill(3, 4, kRight - 3, 4, {220, 216, 207});
    DrawOutline(p, 2, kOutline, {kOutlineCornerLight, kOutlineCornerDark});
    return p;
}

Picture Disable(int dpi) {
    Picture p(dpi);
    const Rgb outline{201, 199, 186}, interior{245, 244, 234};
    p.Fill(0, 0, kRight, kBottom, kBeige);
    p.Fill(2, 2, kRight - 2, kBottom - 2, interior);
    // Corners rounded the way the enabled outline's are: blended toward the inside.
    DrawOutline(p, 1, outline, {Mix(outline, interior, 0.5), Mix(outline, interior, 0.15)});
    return p;
}

}  // namespace

// The frame's design pixels 0..3 from an edge: the ring and the outline one
// line wide each, the rim (two design pixels) the rest of the frame, its
// outer half first.
Picture::Picture(int dpi) {
    const button_control::ButtonPictureSize size = button_control::ButtonPictureSizeAt(dpi);
    width_ = size.width;
    height_ = size.height;
    const int line = drawing::LineWidthAt(dpi);
    const int rim = size.frame - 2 * line;
    bands_ = {0, line, 2 * line, 2 * line + rim / 2, size.frame};
    pixels_.assign(static_cast<std::size_t>(width_) * height_, Rgb{});
}

namespace {

// The first real pixel of design pixel `design` along a length of `design_length`
// design pixels and `real_length` real ones.
int RealPosition(int design, int design_length, int real_length, const std::array<int, 5>& bands) {
    const int frame = bands.back();
    if (design <= 4) {
        return bands[static_cast<std::size_t>(design)];
    }
    if (design >= design_length - 4) {
        return real_length - bands[static_cast<std::size_t>(design_length - design)];
    }
    return frame + (design - 4) * (real_length - 2 * frame) / (design_length - 8);
}

}  // namespace

int Picture::RealX(int design_x) const {
    return RealPosition(design_x, kDesignWidth, width_, bands_);
}

int Picture::RealY(int design_y) const {
    return RealPosition(design_y, kDesignHeight, height_, bands_);
}

void Picture::Fill(int x0, int y0, int x1, int y1, Rgb colour) {
    for (int y = RealY(y0); y < RealY(y1 + 1); ++y) {
        for (int x = RealX(x0); x < RealX(x1 + 1); ++x) {
            pixels_[static_cast<std::size_t>(y) * width_ + x] = colour;
        }
    }
}

Picture MakeButtonPicture(ButtonPicture which, int dpi) {
    switch (which) {
        case ButtonPicture::Normal:
            return Normal(dpi);
        case ButtonPicture::HighLight:
        case ButtonPicture::HighLightSelect:
            return HighLight(dpi);
        case ButtonPicture::Pressed:
            return Pressed(dpi);
        case ButtonPicture::Disable:
            return Disable(dpi);
        case ButtonPicture::Selected:
            return Selected(dpi);
    }
    return Normal(dpi);
}

std::string ButtonPictureFileName(ButtonPicture which, int dpi) {
    static constexpr std::array<const char*, 6> kNames = {
        "button_normal",  "button_highlight", "button_highlightselect",
        "button_pressed", "button_disable",   "button_selected"};
    const std::string suffix = dpi == 96 ? "" : "_" + std::to_string(dpi);
    return kNames[static_cast<std::size_t>(which)] + suffix + ".bmp";
}

std::vector<std::uint8_t> BmpFile(const Picture& picture) {
    const int width = picture.Width(), height = picture.Height();
    const int row_bytes = (width * 3 + 3) / 4 * 4;
    constexpr std::uint32_t kHeaderBytes = 14 + 40;
    const auto image_bytes = static_cast<std::uint32_t>(row_bytes * height);
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
    put32(kHeaderBytes + image_bytes);
    put32(0);
    put32(kHeaderBytes);
    put32(40);
    put32(width);
    put32(height);  // positive: bottom-up rows
    put16(1);       // planes
    put16(24);      // bits per pixel
    put32(0);       // no compression
    put32(image_bytes);
    put32(3780);  // 96 dots per inch: the program takes each set by its size
    put32(3780);
    put32(0);
    put32(0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = picture.At(x, y);
            file.push_back(c.b);
            file.push_back(c.g);
            file.push_back(c.r);
        }
        for (int pad = width * 3; pad < row_bytes; ++pad) {
            file.push_back(0);
        }
    }
    return file;
}

}  // namespace velmora::resources
