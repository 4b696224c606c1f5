#pragma once
// The saver run: the hidden form Velmora_S starts the renderer and the music,
// watches the renderer's window and ends the program when the renderer is gone.

#include <cstdint>
#include <string>

#include "music/core/bgm_settings.h"

namespace velmora::saver {

enum class RunTimer { Timer1, Timer2, Timer3 };

// Tick intervals: Timer1 the MP3 restart check, Timer2 the CD check, Timer3
// the renderer watch.
constexpr std::uint32_t TimerIntervalMs(RunTimer timer) {
    return timer == RunTimer::Timer1 ? 1000 : timer == RunTimer::Timer2 ? 200 : 50;
}

// How long the watch waits for a renderer that is still starting (its process
// runs but its window is not up yet) before it gives up on it.
inline constexpr std::uint64_t kRendererStartLimitMs = 15000;

// The platform as the run form uses it.
class RunPort {
  public:
    virtual ~RunPort() = default;

    // The program's folder (no trailing separator except at a drive root).
    virtual std::string ProgramFolder() = 0;
    // Starts the program at `path` with a normal, activated window, without
    // waiting for it; false when it could not be started.
    virtual bool LaunchRenderer(const std::string& path) = 0;
    // A top-level window titled "VelmoraVC" exists.
    virtual bool RendererWindowExists() = 0;
    // The process started by LaunchRenderer has not ended.
    virtual bool RendererProcessRunning() = 0;
    // A steady clock in milliseconds.
    virtual std::uint64_t NowMs() = 0;
    virtual void SetTimerEnabled(RunTimer timer, bool enabled) = 0;
    // Gives back the mouse cursor that the start-up hid.
    virtual void ShowCursor() = 0;
    // Ends the process at once. (A test double returns.)
    virtual void EndProgram() = 0;
};

// The music operations the run drives (the module Velmora_BGM).
class MusicPort {
  public:
    virtual ~MusicPort() = default;
    virtual void CD_Open() = 0;
    virtual void CD_Check() = 0;
    virtual bool CD_Continue() = 0;
    virtual void CD_Close() = 0;
    virtual void MP3_OpenPlay() = 0;
    virtual void MP3_Check() = 0;
    virtual void MP3_Close() = 0;
    virtual void WAV_Play() = 0;
    virtual void WAV_Stop() = 0;
};

// Which player a sound file goes to, by the upper-cased last three characters
// of its name: "WAV" or "MP3"; anything else plays nothing.
enum class FilePlayer { None, Wav, Mp3 };
FilePlayer FilePlayerFor(const std::string& bgm_file);

class Velmora_S {
  public:
    Velmora_S(RunPort& port, MusicPort& music, const music::BgmSettings& settings,
              std::string argument_text);

    // Runs once when the form is created: renderer launch and music start.
    void Form_Load();
    void Timer1_Timer();  // MP3 restart check
    void Timer2_Timer();  // CD check
    void Timer3_Timer();  // renderer watch
    // Any close request: stops the music, gives the cursor back, ends the program.
    void Form_QueryUnload();

    bool TimerEnabled(RunTimer timer) const;

    std::string RendererPath;

  private:
    void SetTimer(RunTimer timer, bool enabled);
    bool RendererStillStarting();

    RunPort& port_;
    MusicPort& music_;
    const music::BgmSettings& settings_;
    const std::string argument_text_;

    bool timer_enabled_[3] = {false, false, false};
    bool launched_ = false;
    bool renderer_seen_ = false;
    bool ending_ = false;
    std::uint64_t launch_ms_ = 0;
};

}  // namespace velmora::saver
