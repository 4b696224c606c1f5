#pragma once
// The hidden run window (caption "Velmora_Main"): carries out what the run
// controller decides, with the renderer's process and the music player.

#include <windows.h>

#include <string>

#include "music/core/music_player.h"
#include "music/win32/win32_media_port.h"
#include "saver/core/run_controller.h"
#include "saver/win32/renderer_launcher.h"

namespace velmora::saver {

class RunWindow final : private RunPort {
  public:
    RunWindow(const settings::MusicChoice& music, std::string renderer_path, bool cursor_hidden);
    RunWindow(const RunWindow&) = delete;
    RunWindow& operator=(const RunWindow&) = delete;

    // Creates the window without showing it and starts the run: the renderer
    // and the music. The window ends the program when the run is over.
    void Start();

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    // RunPort
    bool LaunchRenderer(const std::string& path) override;
    bool RendererWindowExists() override;
    bool RendererProcessRunning() override;
    std::uint64_t NowMs() override;
    void StartTimer(RunTimer timer, std::uint32_t interval_ms) override;
    void StopTimer(RunTimer timer) override;
    void ShowCursor() override;
    void EndProgram() override;

    HWND window_ = nullptr;
    RendererLauncher launcher_;
    music::Win32MediaPort media_;
    music::MusicPlayer player_;
    RunController controller_;
};

}  // namespace velmora::saver
