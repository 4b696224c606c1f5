#include "saver/win32/startup.h"

#include <windows.h>

#include <string>

#include "saver/core/saver_texts.h"
#include "saver/core/startup_decision.h"
#include "saver/win32/program_paths.h"
#include "saver/win32/program_window.h"
#include "saver/win32/resource_ids.h"
#include "settings_dialog/core/dialog_texts.h"
#include "settings/win32/wide_text.h"
#include "settings_dialog/win32/show_settings_dialog.h"

namespace velmora::saver {

namespace {

bool WindowExists(const char* caption) {
    return FindWindowA(nullptr, caption) != nullptr;
}

}  // namespace

void StartProgram(SaverProgram& program) {
    const std::string argument_text = ProgramArgumentText();
    // Both look-ups are always made.
    const bool run_busy = WindowExists(kRunFormCaption);
    const bool dialog_busy = WindowExists(settings_dialog::kDialogCaption);
    StartupDecision decision = DecideOnArrival(argument_text, run_busy, dialog_busy);
    settings::SettingsPlaces places;
    if (decision.action == StartupAction::LoadSettings) {
        places = SettingsFilePlaces();
        settings::LoadMusicChoice(program.settings_file, places, program.music);
        decision = DecideWithSettings(argument_text,
                                      settings::FileExists(program.settings_file, RendererPath()));
    }

    switch (decision.action) {
        case StartupAction::ShowPreview:
            program.preview.Show(decision.preview_host);
            return;
        case StartupAction::StartRun:
            if (decision.hide_cursor) {
                ShowCursor(FALSE);
            }
            program.run =
                std::make_unique<RunForm>(program.music, RendererPath(), decision.hide_cursor);
            program.run->Start();
            return;
        case StartupAction::ReportMissingRenderer:
            settings::ShowMessage(nullptr, kMissingRendererMessage, VELMORA_TITLE);
            break;
        case StartupAction::ShowSettingsDialog:
            settings_dialog::ShowSettingsDialog(GetModuleHandleA(nullptr), program.settings_file,
                                                places, program.music, VELMORA_TITLE);
            break;
        case StartupAction::LoadSettings:
        case StartupAction::EndProgram:
            break;
    }
    EndProcessNow();
}

}  // namespace velmora::saver
