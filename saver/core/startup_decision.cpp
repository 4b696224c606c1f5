#include "saver/core/startup_decision.h"

#include "saver/core/command_line.h"

namespace velmora::saver {

bool TakesBusyLock(text::Cp932View argument_text) {
    const char mode = ModeLetter(argument_text);
    return mode == 'S' || mode == 'C' || argument_text.Empty();
}

StartupDecision DecideOnArrival(text::Cp932View argument_text, const OtherCopies& others) {
    if (others.busy_lock_held || others.run_window || others.dialog_window) {
        return {StartupAction::EndProgram};
    }
    if (ModeLetter(argument_text) == 'P') {
        return {StartupAction::ShowPreview, PreviewHostHandle(argument_text)};
    }
    return {StartupAction::LoadSettings};
}

StartupDecision DecideWithSettings(text::Cp932View argument_text, bool renderer_present,
                                   bool settings_unreadable) {
    if (!renderer_present) {
        return {StartupAction::ReportMissingRenderer};
    }
    const char mode = ModeLetter(argument_text);
    // Explorer's Configure on the file starts it with no arguments at all:
    // the user asked for the settings, as with /c.
    if (mode == 'C' || argument_text.Empty()) {
        return {StartupAction::ShowSettingsDialog, 0, settings_unreadable};
    }
    if (mode == 'S') {
        return {StartupAction::StartRun};
    }
    return {StartupAction::EndProgram};
}

}  // namespace velmora::saver
