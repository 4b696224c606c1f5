#pragma once
// The platform's own cursors that the programs' windows show: shared by the
// system, never destroyed.

#include <windows.h>

namespace velmora::platform_edge {

inline HCURSOR ArrowCursor() {
    return LoadCursorA(nullptr, IDC_ARROW);
}

inline HCURSOR HourglassCursor() {
    return LoadCursorA(nullptr, IDC_WAIT);
}

}  // namespace velmora::platform_edge
