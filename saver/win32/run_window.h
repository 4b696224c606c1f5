#pragma once
// The hidden run window: hands the run controller its events with what it
// sees of the renderer, and carries out each reaction with the renderer's
// process, the music player, its timers and the cursor.

#include <windows.h>

#include <string>
#include <vector>

#include "music/core/music_player.h"
#include "music/win32/win32_media_port.h"
#include "saver/core/run_controller.h"
#include "saver/win32/renderer_launcher.h"

namespace velmora::saver {

class RunWindow final {
  public:
    RunWindow(const settings::MusicChoice& music, std::wstring renderer_path);
    RunWindow(const RunWindow&) = delete;
    RunWindow& operator=(const RunWindow&) = delete;

    // Creates the window without showing it and starts the run: the renderer
    // and the music. The window ends the program when the run is over.
    void Start();

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    RendererSight SeeRenderer() const;
    // Carries out the reaction and then, in turn, the reactions to the
    // outcomes it hands back (the launch, the music check).
    void Carry(RunReaction reaction);
    std::vector<RunReaction> CarryOne(const RunReaction& reaction);

    HWND window_ = nullptr;
    const std::wstring renderer_path_;
    RendererLauncher launcher_;
    music::Win32MediaPort media_;
    music::MusicPlayer player_;
    RunController controller_;
};

}  // namespace velmora::saver
