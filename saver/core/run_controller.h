#pragma once
// The saver run: the hidden run window starts the renderer and the music,
// watches the renderer's window and ends the program when the renderer is gone.

#include <cstdint>
#include <string>

#include "music/core/music_player.h"

namespace velmora::saver {

// The run's two timers: the music's check and the renderer watch.
enum class RunTimer { MusicCheck, RendererWatch };

inline constexpr std::uint32_t kRendererWatchMs = 50;

// How long the watch waits for a renderer that is still starting (its process
// runs but its window is not up yet) before it gives up on it.
inline constexpr std::uint64_t kRendererStartLimitMs = 15000;

// The platform as the run uses it.
class RunPort {
  public:
    virtual ~RunPort() = default;

    // Starts the program at `path` with a normal, activated window, without
    // waiting for it; false when it could not be started.
    virtual bool LaunchRenderer(const std::string& path) = 0;
    // A top-level window titled "VelmoraVC" exists.
    virtual bool RendererWindowExists() = 0;
    // A renderer process runs: the one LaunchRenderer started, or one that an
    // earlier run left behind (its window came after that run gave up on it).
    virtual bool RendererProcessRunning() = 0;
    // A steady clock in milliseconds.
    virtual std::uint64_t NowMs() = 0;
    virtual void StartTimer(RunTimer timer, std::uint32_t interval_ms) = 0;
    virtual void StopTimer(RunTimer timer) = 0;
    // Gives back the mouse cursor that the start-up hid.
    virtual void ShowCursor() = 0;
    // Ends the process at once. (A test double returns.)
    virtual void EndProgram() = 0;
};

class RunController {
  public:
    // `cursor_hidden`: the start-up hid the cursor, so the end gives it back.
    RunController(RunPort& port, music::MusicPort& music, music::MusicSource source,
                  std::string renderer_path, bool cursor_hidden);

    // Once, when the run window is created: renderer launch (unless a renderer
    // runs already: that one is watched instead) and music start.
    void Start();
    void OnTimer(RunTimer timer);
    // Any close request: stops the music, gives the cursor back, ends the program.
    void End();

    bool TimerRunning(RunTimer timer) const;

  private:
    void SetTimer(RunTimer timer, bool running);
    void WatchRenderer();
    bool RendererStillStarting();

    RunPort& port_;
    music::MusicPort& music_;
    const music::MusicSource source_;
    const std::string renderer_path_;
    const bool cursor_hidden_;

    bool timer_running_[2] = {false, false};
    bool renderer_expected_ = false;  // launched, or found running at the start
    bool renderer_seen_ = false;
    bool ending_ = false;
    std::uint64_t launch_ms_ = 0;
};

}  // namespace velmora::saver
