#pragma once
// The program's start: which request the platform made and where it goes.

#include <cstdint>
#include <string>

namespace velmora::saver {

// What the start-up needs of the platform and of the program's other parts.
class StartupPort {
  public:
    virtual ~StartupPort() = default;

    // A top-level window with this caption exists (any class, shown or hidden).
    virtual bool WindowExists(const std::string& caption) = 0;
    // Puts the preview form into the host window; the form then keeps the program alive.
    virtual void ShowPreview(std::int32_t host) = 0;
    // Reads the settings file into the process's music choice.
    virtual void LoadSettings() = 0;
    // The renderer program beside this one can be opened for reading.
    virtual bool RendererExists() = 0;
    // The one message box of the program; returns when the user has closed it.
    virtual void ShowMissingRendererMessage() = 0;
    // Shows the settings dialog modally; returns when it has closed.
    virtual void ShowSettingsDialog() = 0;
    // Asks the platform once to hide the mouse cursor.
    virtual void HideCursor() = 0;
    // Creates the hidden saver-run form, whose load step starts the run.
    virtual void CreateRunForm() = 0;
    // Ends the process at once. (A test double returns; Main returns after it.)
    virtual void EndProgram() = 0;
};

// The entry procedure: busy test, preview, settings, renderer check, then the
// settings dialog, the run, or the end of the program.
void Main(StartupPort& port, const std::string& argument_text);

}  // namespace velmora::saver
