#include "saver/core/startup_decision.h"

#include "saver/core/command_line.h"

namespace velmora::saver {

StartupDecision DecideOnArrival(std::string_view argument_text, bool run_busy, bool dialog_busy) {
    if (run_busy || dialog_busy) {
        return {StartupAction::EndProgram};
    }
    if (ModeLetter(argument_text) == 'P') {
        return {StartupAction::ShowPreview, PreviewHostHandle(argument_text)};
    }
    return {StartupAction::LoadSettings};
}

StartupDecision DecideWithSettings(std::string_view argument_text, bool renderer_present) {
    if (!renderer_present) {
        return {StartupAction::ReportMissingRenderer};
    }
    const char mode = ModeLetter(argument_text);
    if (mode == 'C') {
        return {StartupAction::ShowSettingsDialog};
    }
    if (mode == 'S') {
        return {StartupAction::StartRun, 0, true};
    }
    if (argument_text.empty()) {
        return {StartupAction::StartRun};
    }
    return {StartupAction::EndProgram};
}

}  // namespace velmora::saver
