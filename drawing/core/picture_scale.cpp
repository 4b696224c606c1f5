#include "drawing/core/picture_scale.h"

#include <algorithm>
#include <cmath>

namespace velmora::drawing {

int DpiToDrawFor(int told_dpi, int system_dpi) {
    if (told_dpi > 0) {
        return told_dpi;
    }
    return system_dpi > 0 ? system_dpi : kPictureDpis.front();
}

int PictureDpiFor(int screen_dpi) {
    int chosen = kPictureDpis.front();
    for (const int dpi : kPictureDpis) {
        if (dpi <= screen_dpi) {
            chosen = dpi;
        }
    }
    return chosen;
}

int PictureDpiIndex(int picture_dpi) {
    for (std::size_t i = 0; i < kPictureDpis.size(); ++i) {
        if (kPictureDpis[i] == picture_dpi) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

int PictureSetFor(int screen_dpi) {
    return PictureDpiIndex(PictureDpiFor(screen_dpi));
}

int ScaledPixels(int pixels_at_96, int dpi) {
    return static_cast<int>(std::lround(pixels_at_96 * dpi / 96.0));
}

int LineWidthAt(int dpi) {
    return std::max(1, dpi / 96);
}

}  // namespace velmora::drawing
