#pragma once
// The saver run: the hidden run window starts the renderer and the music,
// watches the renderer's window and ends the program when the renderer is gone.
// It also keeps the screen for the user: a renderer whose window is still
// there a moment after input is ended, and the run with it.
// Platform-free: the window hands each event in with what it sees of the
// renderer, and carries out the reaction the controller returns.

#include <cstdint>
#include <optional>

#include "music/core/music_player.h"
#include "saver/core/user_input.h"

namespace velmora::saver {

// The run's two timers: the music's check and the renderer watch.
enum class RunTimer { MusicCheck, RendererWatch };

inline constexpr std::uint32_t kRendererWatchMs = 50;

// How long the watch waits for a renderer that is still starting (its process
// runs but its window is not up yet) before it gives up on it.
inline constexpr std::uint64_t kRendererStartLimitMs = 15000;

// How long after the user's input the renderer's window may stay before its
// process is ended, whether it still answers or not: a renderer takes some
// 100 ms to go (under a loaded Wine nearer a second). With the watch's step
// and the wait for the ended process, the desktop is back within 2 s.
inline constexpr std::uint64_t kRendererEndLimitMs = 1000;

// How long after the renderer's window is first seen shown the watch begins
// to judge input: while a window comes up under the cursor the platform may
// report input nobody gave (Wine does), and the renderer's own rules pass
// over its first movement for the same reason.
inline constexpr std::uint64_t kRendererSettleMs = 1000;

// How long the run window waits for an ended renderer's process to go, so
// the desktop is back before the music stops.
inline constexpr std::uint32_t kRendererEndWaitMs = 500;

// What the window sees of the renderer when an event comes.
struct RendererSight {
    // A top-level window with the renderer's title exists, and is shown.
    bool window = false;
    bool window_shown = false;
    // A renderer process runs: the one this run started, or one that an
    // earlier run left behind (its window came after that run gave up on it).
    bool process = false;
    // A steady clock in milliseconds.
    std::uint64_t now_ms = 0;
    // The platform's signs of the user's input.
    InputSight input;
};

enum class MusicStep { None, Start, Check, Stop };

// What the window does after an event, in this order.
struct RunReaction {
    bool stop_watch = false;            // kill the renderer watch's timer
    bool stop_music_check = false;      // kill the music check's timer
    bool start_watch = false;           // every kRendererWatchMs
    bool launch_renderer = false;       // normal, activated window; the outcome to RendererLaunched
    bool end_renderer = false;          // end its process: the one launched, else its window's
    MusicStep music = MusicStep::None;  // the run's music; a check's outcome to MusicChecked
    std::uint32_t start_music_check_ms = 0;  // when not 0
    bool show_cursor = false;                // give back the cursor the start-up hid
    bool end_program = false;                // end the process at once
};

class RunController {
  public:
    // `source`: what the run's music plays.
    explicit RunController(music::MusicSource source) : source_(source) {}

    // Once, when the run window is created: renderer launch (unless a renderer
    // runs already: that one is watched instead) and music start.
    RunReaction Start(const RendererSight& sight);
    // Whether the launch that Start asked for started the program.
    void RendererLaunched(bool started) { renderer_expected_ = started; }
    RunReaction OnTimer(RunTimer timer, const RendererSight& sight);
    // Whether the music check asked for wants more checks.
    RunReaction MusicChecked(bool keep_checking);
    // Any close request: stops the music, gives the cursor back, ends the program.
    RunReaction End();

    bool TimerRunning(RunTimer timer) const { return timer_running_[static_cast<int>(timer)]; }

  private:
    RunReaction WatchRenderer(const RendererSight& sight);
    RunReaction KeepScreenForUser(bool input, std::uint64_t now_ms);
    RunReaction EndWithRenderer();
    void StopTimer(RunTimer timer, RunReaction& reaction);

    const music::MusicSource source_;

    bool timer_running_[2] = {false, false};
    bool renderer_expected_ = false;  // launched, or found running at the start
    bool renderer_seen_ = false;
    bool ending_ = false;
    std::uint64_t launch_ms_ = 0;
    InputWatch input_watch_;                 // the watch's looks, from the start's on
    std::optional<std::uint64_t> shown_ms_;  // when the window was first seen shown
    std::optional<std::uint64_t> input_ms_;  // the first input seen while the window stays
};

}  // namespace velmora::saver
