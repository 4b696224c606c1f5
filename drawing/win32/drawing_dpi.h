#pragma once
// The DPI a window is laid out and its pictures chosen for, from the DPI the
// platform tells for the window or its monitor, and its scale.

#include "drawing/core/twips.h"

namespace velmora::drawing {

// `told_dpi`, or the system's DPI where the platform told none (0).
int DrawingDpi(int told_dpi);

// The scale of DrawingDpi(told_dpi), across and down.
Scale DrawingScale(int told_dpi);

}  // namespace velmora::drawing
