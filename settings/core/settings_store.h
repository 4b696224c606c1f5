#pragma once
// The settings file's content: its one section and three keys, how the stored
// texts become the music choice, and the three values a save writes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/core/ini_text.h"
#include "settings/core/music_choice.h"
#include "settings/core/settings_places.h"
#include "settings/core/settings_texts.h"

namespace velmora::settings {

// True when the path names a file that can be opened for reading; one
// trailing "\" character is ignored.
bool FileExists(MusicFiles& music, text::Cp932View path);

// A stored integer: empty gives 0; otherwise the whole text as a number
// (blanks around it allowed), rounded down; `previous` when the text is not a
// number or the result does not fit 16 bits.
std::int16_t StoredInteger(text::Cp932View text, std::int16_t previous);

// Fills the music choice from the settings file that ReadSettingsFile picks.
// Kind 2 falls back to 0 when no readable file is named; nothing is written
// back. Gives the settings files that exist but could not be read.
std::vector<std::u16string> LoadMusicChoice(SettingsPorts ports, const SettingsPlaces& places,
                                            MusicChoice& choice);

// Writes the three values in one replacement of the file (SaveSettingsValues):
// nothing on success, the message for the user otherwise. A sound-file
// choice with no file that opens is not written: every load would read it
// as no music.
std::optional<text::Cp932String> SaveMusicChoice(SettingsPorts ports, const SettingsPlaces& places,
                                                 const MusicChoice& choice);

}  // namespace velmora::settings
