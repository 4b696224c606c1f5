#pragma once
// The settings dialog's two 12 x 12 selection-box pictures: an empty sunken
// box, and the same box holding a blue square.

#include "resources/generators/effect_pictures/picture_files.h"

namespace velmora::pictures {

inline constexpr int kSelectionBoxSize = 12;

// A dark outline around an interior shading from mid grey at the top left
// to white at the bottom right.
Picture EmptySelectionBox();

// The same outline and a light rim around an 8 x 8 blue square, bright in
// its middle and dark at its edges.
Picture FilledSelectionBox();

}  // namespace velmora::pictures
