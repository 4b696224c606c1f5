#pragma once
// Where the eight frame pieces of a state picture go on the face, and where
// the caption sits. Lengths are twips; the frame constants are the picture's
// border (4 pixels of a 64 x 25 picture at 96 dots per inch). The pictures are
// made for several DPIs (drawing/core/picture_scale.h), so at 96, 120, 144 and 192 dpi the
// frame is 60 twips wide and grows with the dialog like everything else.

#include <array>
#include <cstdint>

#include "drawing/core/twips.h"

namespace velmora::button_control {

using drawing::DpiOf;
using drawing::PixelRect;
using drawing::Scale;
using drawing::TwipsRect;
using drawing::TwipsToPixels;

// A button state picture's size and the width of its frame (the part the
// face shows), in pixels: 64 x 25 with a 4-pixel frame at 96 dpi.
struct ButtonPictureSize {
    int width = 64;
    int height = 25;
    int frame = 4;
};
ButtonPictureSize ButtonPictureSizeAt(int picture_dpi);

struct FramePiece {
    TwipsRect source;
    TwipsRect destination;
};

struct PieceCopy {
    PixelRect source;
    PixelRect destination;
};

// The slice geometry of one control, recomputed on every paint in 16-bit
// twips. A value that does not fit in 16 bits keeps what it was before.
class SliceGeometry {
  public:
    // width, height: the control's size in twips.
    void Update(double width, double height, Scale scale);

    // Pieces in painting order: top-left, top, top-right, right, bottom-right,
    // bottom, bottom-left, left.
    std::array<FramePiece, 8> Pieces() const;

    std::int16_t Width() const { return width_; }
    std::int16_t Height() const { return height_; }
    std::int16_t MiddleWidth() const { return middle_width_; }
    std::int16_t MiddleHeight() const { return middle_height_; }
    // The DPI of the picture set the pieces are taken from.
    int PictureDpi() const { return picture_dpi_; }

  private:
    int picture_dpi_ = 96;
    std::int16_t width_ = 0, height_ = 0;
    std::int16_t corner_x_ = 0, corner_y_ = 0;             // C: 60
    std::int16_t picture_width_ = 0, picture_height_ = 0;  // 960 x 375 at 96 dpi
    std::int16_t middle_width_ = 0, middle_height_ = 0;    // W - 2C, H - 2C
};

// The pieces in pixels, ready for a stretching copy. Edges are rounded, so
// neighbouring pieces meet without a gap.
std::array<PieceCopy, 8> PiecesInPixels(const std::array<FramePiece, 8>& pieces, Scale scale);

// The caption label's top for a control `height` twips high: (H - label - 20) / 2.
double CaptionTop(double height, double label_height);

}  // namespace velmora::button_control
