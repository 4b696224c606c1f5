#pragma once
// The settings dialog as a Win32 window, shown modally: the one entry the
// program uses.
//
// The program must carry the dialog's icon and pictures and the button
// pictures: include settings_dialog/win32/dialog_resources.rc and
// button_control/win32/button_pictures.rc in its resource script.

#include <windows.h>

#include "settings/core/music_choice.h"
#include "settings/core/settings_store.h"
#include "text/core/cp932_string.h"

namespace velmora::settings_dialog {

// Creates the dialog, loads it, shows it and runs its messages until it has
// closed (Save, Cancel or the close box). The dialog edits a copy of
// `loaded`; a save writes the edited choice to the settings file at `places`
// through `store`; what the dialog tells the user comes in message boxes
// captioned `message_caption`.
void ShowSettingsDialog(HINSTANCE instance, settings::SettingsPorts store,
                        const settings::SettingsPlaces& places, const settings::MusicChoice& loaded,
                        text::Cp932View message_caption);

}  // namespace velmora::settings_dialog
