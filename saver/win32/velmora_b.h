#pragma once
// The module Velmora_B: the program's entry procedure, the settings of this
// process, the settings-file primitives and the settings dialog's zoom
// animations.

#include <windows.h>

#include <string>

#include "music/core/bgm_settings.h"
#include "saver/core/zoom_rectangles.h"

namespace velmora::saver {

// BGM_Kind, BGM_RepeatTrack and BGM_File of this process (0, 0 and empty at start).
music::BgmSettings& Settings();

std::string ReadIni(const std::string& section, const std::string& key, const std::string& file);
std::string WriteIni(const std::string& section, const std::string& key, const std::string& value,
                     const std::string& file);
bool FileExists(const std::string& path);

// CursorX and CursorY: recorded by the settings dialog when it loads.
CursorPoint& Cursor();

// The platform's animated caption rectangle from the recorded cursor point
// to the window's rectangle, and back. Failures are ignored.
void ZoomOpenFromCursor(HWND window);
void ZoomCloseToCursor(HWND window);

// Reads "Velmora.ini" beside the program into Settings().
void LoadSettings();

// The entry procedure: dispatches the platform's request. Returns when a
// window that keeps the program alive has taken over (preview or run);
// every other path ends the process.
void Main();

// Ends the process at once.
[[noreturn]] void EndProgram();

}  // namespace velmora::saver
