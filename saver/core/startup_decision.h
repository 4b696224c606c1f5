#pragma once
// The program's start: which request the platform made and what to do about
// it, decided in two steps around the loading of the settings.

#include <cstdint>

#include "text/core/cp932_string.h"

namespace velmora::saver {

enum class StartupAction {
    EndProgram,             // end at once
    ShowPreview,            // the preview window in `preview_host`; it keeps the program alive
    LoadSettings,           // read the settings, look for the renderer, then decide again
    ReportMissingRenderer,  // the one message box, then the end
    ShowSettingsDialog,     // modally, then the end
    StartRun,               // the hidden run window; it keeps the program alive
};

struct StartupDecision {
    StartupAction action = StartupAction::EndProgram;
    std::int32_t preview_host = 0;  // ShowPreview: the host window's number
    // ShowSettingsDialog: first tell the user which settings files could not be read.
    bool report_unreadable_settings = false;
};

// A run (/s) and the settings dialog (/c or no argument text) take the
// session's busy lock before they look for other copies and hold it for the
// life of the process: of two started at the same moment only one gets it,
// while the windows that mark a busy copy come up only later. Other requests
// (a preview above all) leave it alone, so they never keep a run from starting.
bool TakesBusyLock(text::Cp932View argument_text);

// What the start-up finds of other copies. The windows still count: they
// also mark the copies that take no lock (older versions among them).
struct OtherCopies {
    bool busy_lock_held = false;  // the lock this request takes is held by another copy
    bool run_window = false;      // a window captioned contract::kRunWindowCaption
    bool dialog_window = false;   // a window captioned kSettingsDialogCaption
};

// First step: a busy copy (a run or the settings dialog already up or
// starting) ends the program; a preview request reads nothing else;
// everything else goes on with the settings.
StartupDecision DecideOnArrival(text::Cp932View argument_text, const OtherCopies& others);

// Second step, once the settings are loaded and the renderer looked for:
// the message, the dialog (/c or no argument), the run (/s) or the end. A
// settings file that exists but could not be read is reported before the
// dialog, which would otherwise show and save settings without it; a run goes
// on silently with what it could read.
StartupDecision DecideWithSettings(text::Cp932View argument_text, bool renderer_present,
                                   bool settings_unreadable);

}  // namespace velmora::saver
