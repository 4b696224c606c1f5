#pragma once
// The settings dialog Velmora_P as a Win32 window, shown modally.
//
// The program must carry the dialog's icon and pictures and the button
// pictures: include settings_dialog/win32/dialog_resources.rc and
// button_control/win32/button_pictures.rc in its resource script.

#include <windows.h>

#include <string>

#include "music/core/bgm_settings.h"
#include "saver/core/zoom_rectangles.h"
#include "settings_dialog/core/dialog_layout.h"

namespace velmora::settings_dialog {

// What the dialog uses of the module Velmora_B: the zoom animations and the
// settings-file writer.
class VelmoraB {
  public:
    virtual ~VelmoraB() = default;
    virtual void ZoomOpenFromCursor(HWND window) = 0;
    virtual void ZoomCloseToCursor(HWND window) = 0;
    virtual void WriteIni(const std::string& section, const std::string& key,
                          const std::string& value, const std::string& file) = 0;
};

// The id of a control's window (the track box and the four buttons), which
// their WM_COMMAND notifications carry.
inline constexpr int kFirstControlWindowId = 100;
inline int ControlWindowId(ControlId id) {
    return kFirstControlWindowId + static_cast<int>(id);
}

// Creates the dialog, loads it, shows it and runs its messages until it has
// been unloaded (Save, Cancel or the close box). The dialog edits `settings`
// and records the mouse point in `cursor`.
void ShowVelmoraP(HINSTANCE instance, VelmoraB& velmora_b, music::BgmSettings& settings,
                  saver::CursorPoint& cursor, const std::string& settings_file);

}  // namespace velmora::settings_dialog
