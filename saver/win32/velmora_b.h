#pragma once
// The module Velmora_B: the program's entry procedure, the settings of this
// process and the settings-file primitives.

#include <string>

#include "music/core/bgm_settings.h"

namespace velmora::saver {

// BGM_Kind, BGM_RepeatTrack and BGM_File of this process (0, 0 and empty at start).
music::BgmSettings& Settings();

std::string ReadIni(const std::string& section, const std::string& key, const std::string& file);
std::string WriteIni(const std::string& section, const std::string& key, const std::string& value,
                     const std::string& file);
bool FileExists(const std::string& path);

// Reads "Velmora.ini" beside the program into Settings().
void LoadSettings();

// The entry procedure: dispatches the platform's request. Returns when a
// window that keeps the program alive has taken over (preview or run);
// every other path ends the process.
void Main();

// Ends the process at once.
[[noreturn]] void EndProgram();

}  // namespace velmora::saver
