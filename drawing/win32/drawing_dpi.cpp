#include "drawing/win32/drawing_dpi.h"

#include "drawing/core/picture_scale.h"
#include "system_dlls/win32/dpi_calls.h"

namespace velmora::drawing {

int DrawingDpi(int told_dpi) {
    return DpiToDrawFor(told_dpi, system_dlls::SystemDpi());
}

Scale DrawingScale(int told_dpi) {
    const int dpi = DrawingDpi(told_dpi);
    return ScaleForDpi(dpi, dpi);
}

}  // namespace velmora::drawing
