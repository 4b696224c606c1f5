#pragma once
// What the current GL tells of itself: its names and the largest window it draws.

#include "renderer/core/desktop_layout.h"
#include "renderer/core/gl_trust.h"

namespace velmora::renderer {

// The current GL's vendor and renderer strings (empty where it tells none).
GlIdentity CurrentGlIdentity();

// The largest window the current GL can draw into.
DrawableSize CurrentLargestDrawable();

}  // namespace velmora::renderer
