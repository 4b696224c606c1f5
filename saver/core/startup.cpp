#include "saver/core/startup.h"

#include "saver/core/command_line.h"
#include "saver/core/saver_texts.h"

namespace velmora::saver {

void Main(StartupPort& port, const std::string& argument_text) {
    // Both look-ups are always made.
    const bool run_busy = port.WindowExists(kRunFormCaption);
    const bool dialog_busy = port.WindowExists(kSettingsDialogCaption);
    if (run_busy || dialog_busy) {
        port.EndProgram();
        return;
    }

    const char mode = ModeLetter(argument_text);
    if (mode == 'P') {
        port.ShowPreview(PreviewHostHandle(argument_text));
        return;
    }

    port.LoadSettings();

    if (!port.RendererExists()) {
        port.ShowMissingRendererMessage();
        port.EndProgram();
        return;
    }

    if (mode == 'C') {
        port.ShowSettingsDialog();
        port.EndProgram();
        return;
    }

    if (mode != 'S' && !argument_text.empty()) {
        port.EndProgram();
        return;
    }

    if (mode == 'S') {
        port.HideCursor();
    }
    port.CreateRunForm();
}

}  // namespace velmora::saver
