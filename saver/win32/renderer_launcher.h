#pragma once
// Starting the renderer program, tying its life to this program's, and
// telling whether its process still runs.

#include <windows.h>

#include <string>

namespace velmora::saver {

class RendererLauncher {
  public:
    RendererLauncher() = default;
    RendererLauncher(const RendererLauncher&) = delete;
    RendererLauncher& operator=(const RendererLauncher&) = delete;
    ~RendererLauncher();

    // Starts the program at `path` with a normal, activated window, handing
    // it this program's right to take the foreground. The path is the program
    // to run, never searched for in a command line, so a folder with blanks
    // cannot start another program. The started process goes into a job that
    // ends it when this program ends, however this program ends; where the
    // platform will not have it in one (this program already in a job that
    // lets no child out), it runs untied. False when it could not be started.
    bool Launch(const std::wstring& path);

    // The started process has not ended, or another renderer runs (one an
    // earlier run started).
    bool Running() const;

    // Ends the started process when it still runs and waits up to `wait_ms`
    // for it to go. False when there was no such process to end.
    bool EndStarted(DWORD wait_ms);

  private:
    HANDLE process_ = nullptr;
    HANDLE job_ = nullptr;  // open for this program's life: its closing ends the renderer
};

}  // namespace velmora::saver
