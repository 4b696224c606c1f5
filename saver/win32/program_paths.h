#pragma once
// Where the program lives, the files beside it, and its argument text, all in
// code page 932.

#include <string>

#include "settings/core/settings_places.h"

namespace velmora::saver {

// The program's folder, no trailing separator except at a drive root.
std::string ProgramFolder();
// Where the settings file is read and written: beside the program or in the
// user's own folder.
settings::SettingsPlaces SettingsFilePlaces();
// "<folder>\Velmora.dll".
std::string RendererPath();
// The program's argument text (the command line after its path).
std::string ProgramArgumentText();

}  // namespace velmora::saver
