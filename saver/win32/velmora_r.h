#pragma once
// The preview form Velmora_R: the still picture inside the display settings'
// small monitor.

#include <windows.h>

#include <cstdint>

namespace velmora::saver {

// Embeds the preview form in the host window, sized to it, and shows it. A
// host that is no window ends the program at once. Once the form has gone
// with its host, the program's message loop ends.
void ShowPreview(std::int32_t host);

// The form's window (null before ShowPreview).
HWND PreviewFormWindow();

}  // namespace velmora::saver
