#pragma once
// The settings dialog's two selection-box pictures, 12 x 12 pixels at 96 dpi:
// an empty sunken box, and the same box holding a blue square. Made for every
// DPI of kPictureDpis, so that the box and its mark grow with the dialog.

#include <string>

#include "drawing/core/picture_scale.h"
#include "resources/generators/effect_pictures/picture_files.h"

namespace velmora::pictures {

// The side of the box at a DPI: 12, 15, 18 and 24 pixels.
int SelectionBoxSize(int dpi);

// A dark outline around an interior shading from mid grey at the top left
// to white at the bottom right.
Picture EmptySelectionBox(int dpi = 96);

// The same outline and a light rim around a blue square (8 x 8 at 96 dpi),
// bright in its middle and dark at its edges.
Picture FilledSelectionBox(int dpi = 96);

// "selection_empty.bmp" or "selection_filled.bmp" at 96 dpi,
// "selection_empty_192.bmp" and the like at the others.
std::string SelectionBoxFileName(bool filled, int dpi);

}  // namespace velmora::pictures
