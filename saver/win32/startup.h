#pragma once
// Velmora.scr's start: the program's state and the entry procedure that
// carries out the start-up decision.

#include <memory>

#include "saver/win32/preview_window.h"
#include "saver/win32/run_window.h"
#include "settings/core/music_choice.h"
#include "settings/win32/settings_file_io.h"

namespace velmora::saver {

// Everything the program keeps, owned by WinMain for the life of the process.
struct SaverProgram {
    settings::Win32SettingsPorts settings_ports;
    settings::MusicChoice music;  // 0, 0 and empty until the settings are loaded
    PreviewWindow preview;
    std::unique_ptr<RunWindow> run;
};

// Dispatches the platform's request. Returns when a window that keeps the
// program alive has taken over (preview or run); every other road ends the
// process.
void StartProgram(SaverProgram& program);

}  // namespace velmora::saver
