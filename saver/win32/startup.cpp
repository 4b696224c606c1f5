// Velmora.scr's start-up: the first thing WinMain runs. How control flows
// through it:
//  1. StartProgram reads the argument text, takes the busy lock when the
//     request may start a run or the dialog, and looks for the run window's
//     and the settings dialog's captions: DecideOnArrival ends a busy copy
//     and sends the preview on at once.
//  2. Otherwise the settings are loaded from their places and
//     DecideWithSettings, told whether the renderer lies beside the program,
//     picks the road.
//  3. The preview and the run create their window and return: WinMain's
//     message loop then carries the program, and the window ends it. The
//     missing renderer's message and the settings dialog (modal, with the
//     message about unreadable settings first) run here, and every road but
//     those two windows ends the process at once.
#include "saver/win32/startup.h"

#include <windows.h>

#include <string>
#include <vector>

#include "contract/run_contract.h"
#include "platform_edge/win32/named_lock.h"
#include "saver/core/saver_texts.h"
#include "saver/core/startup_decision.h"
#include "saver/win32/program_paths.h"
#include "saver/win32/program_window.h"
#include "text/win32/wide_text.h"
#include "settings_dialog/win32/show_settings_dialog.h"

namespace velmora::saver {

namespace {

bool WindowExists(const char* caption) {
    return FindWindowA(nullptr, caption) != nullptr;
}

}  // namespace

void StartProgram(SaverProgram& program) {
    const text::Cp932String argument_text = ProgramArgumentText();
    OtherCopies others;
    // The lock first: the windows of a copy that starts at the same moment are
    // not up yet. Taken, it is held until the process ends; a lock the
    // platform refuses to make is skipped, and the windows still looked for.
    others.busy_lock_held =
        TakesBusyLock(argument_text) &&
        platform_edge::HeldElsewhere(contract::kSaverBusyLock, platform_edge::LockUse::Hold);
    // Both look-ups are always made.
    others.run_window = WindowExists(contract::kRunWindowCaption);
    others.dialog_window = WindowExists(contract::kSettingsDialogCaption);
    StartupDecision decision = DecideOnArrival(argument_text, others);
    ProgramPlaces program_places;
    settings::SettingsPlaces places;
    std::vector<std::u16string> unreadable_settings;
    if (decision.action == StartupAction::LoadSettings) {
        program_places = FindProgramPlaces();
        places = SettingsFilePlaces(program_places);
        unreadable_settings =
            settings::LoadMusicChoice(program.settings_ports.Ports(), places, program.music);
        decision = DecideWithSettings(argument_text, RendererPresent(program_places),
                                      !unreadable_settings.empty());
    }

    switch (decision.action) {
        case StartupAction::ShowPreview:
            program.preview.Show(decision.preview_host);
            return;
        case StartupAction::StartRun:
            // A path too long for the sound calls plays by its short form.
            if (const auto playable = text::SoundCallForm(
                    text::PathFormsOf(text::WideFromCp932(program.music.file)))) {
                program.music.file = *playable;
            }
            ShowCursor(FALSE);
            program.run = std::make_unique<RunWindow>(program.music, program_places.renderer);
            program.run->Start();
            return;
        case StartupAction::ReportMissingRenderer:
            text::ShowMessage(nullptr, kMissingRendererMessage,
                              text::Cp932View(contract::kSaverMessageCaption));
            break;
        case StartupAction::ShowSettingsDialog:
            if (decision.report_unreadable_settings) {
                text::ShowMessage(nullptr,
                                  settings::UnreadableFilesMessage(
                                      program.settings_ports.Ports().codec, unreadable_settings),
                                  text::Cp932View(contract::kSaverMessageCaption));
            }
            settings_dialog::ShowSettingsDialog(
                GetModuleHandleA(nullptr), program.settings_ports.Ports(), places, program.music,
                text::Cp932View(contract::kSaverMessageCaption));
            break;
        case StartupAction::LoadSettings:
        case StartupAction::EndProgram:
            break;
    }
    EndProcessNow();
}

}  // namespace velmora::saver
