#pragma once
// Where the program lives, the files beside it, and its argument text.

#include <string>

namespace velmora::saver {

// The program's folder, no trailing separator except at a drive root.
std::string ProgramFolder();
// "<folder>\Velmora.ini".
std::string SettingsFilePath();
// "<folder>\Velmora.dll".
std::string RendererPath();
// The program's argument text (the command line after its path).
std::string ProgramArgumentText();

}  // namespace velmora::saver
