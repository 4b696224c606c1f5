#pragma once
// Where the program lives, the files beside it, and its argument text. The
// program's own paths stay wide from the platform to every call, whatever
// characters its folder has.

#include <string>

#include "settings/core/settings_places.h"
#include "text/core/cp932_string.h"

namespace velmora::saver {

// The program's folder, asked of the platform once, and the renderer beside it.
struct ProgramPlaces {
    std::wstring folder;    // no trailing separator except at a drive root
    std::wstring renderer;  // "<folder>\Velmora.dll"
};
ProgramPlaces FindProgramPlaces();

// Where the settings file is read and written: beside the program or in the
// user's own folder.
settings::SettingsPlaces SettingsFilePlaces(const ProgramPlaces& program);
// True when the renderer beside the program can be opened for reading.
bool RendererPresent(const ProgramPlaces& program);
// The program's argument text (the command line after its path).
text::Cp932String ProgramArgumentText();

}  // namespace velmora::saver
