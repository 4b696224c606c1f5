#include "saver/core/run_controller.h"

#include <utility>

namespace velmora::saver {

RunController::RunController(RunPort& port, music::MusicPort& music, music::MusicSource source,
                             std::string renderer_path, bool cursor_hidden)
    : port_(port),
      music_(music),
      source_(source),
      renderer_path_(std::move(renderer_path)),
      cursor_hidden_(cursor_hidden) {}

bool RunController::TimerRunning(RunTimer timer) const {
    return timer_running_[static_cast<int>(timer)];
}

void RunController::SetTimer(RunTimer timer, bool running) {
    timer_running_[static_cast<int>(timer)] = running;
    if (!running) {
        port_.StopTimer(timer);
    } else if (timer == RunTimer::RendererWatch) {
        port_.StartTimer(timer, kRendererWatchMs);
    } else {
        port_.StartTimer(timer, music::CheckIntervalMs(source_));
    }
}

void RunController::Start() {
    // The watch runs from the window's creation on.
    SetTimer(RunTimer::RendererWatch, true);
    // Never a second full-screen renderer over one that still runs.
    renderer_expected_ = port_.RendererProcessRunning() || port_.LaunchRenderer(renderer_path_);
    launch_ms_ = port_.NowMs();

    music_.Start(source_);
    if (music::CheckIntervalMs(source_) > 0) {
        SetTimer(RunTimer::MusicCheck, true);
    }
}

void RunController::OnTimer(RunTimer timer) {
    if (timer == RunTimer::RendererWatch) {
        WatchRenderer();
    } else if (TimerRunning(RunTimer::MusicCheck) && !music_.Check(source_)) {
        SetTimer(RunTimer::MusicCheck, false);
    }
}

// A renderer whose process runs but whose window is not up yet is still
// starting: the watch waits for it, for a bounded time.
bool RunController::RendererStillStarting() {
    return renderer_expected_ && !renderer_seen_ && port_.RendererProcessRunning() &&
           port_.NowMs() - launch_ms_ < kRendererStartLimitMs;
}

void RunController::WatchRenderer() {
    if (port_.RendererWindowExists()) {
        renderer_seen_ = true;
        return;
    }
    if (RendererStillStarting()) {
        return;
    }
    SetTimer(RunTimer::RendererWatch, false);
    End();
}

void RunController::End() {
    if (ending_) {
        return;
    }
    ending_ = true;

    if (TimerRunning(RunTimer::MusicCheck)) {
        SetTimer(RunTimer::MusicCheck, false);
    }
    // Also a CD whose checks have given up: the drive this run opened is
    // stopped and closed, so a disc that plays on cannot outlast the run.
    if (source_ != music::MusicSource::None) {
        music_.Stop(source_);
    }
    if (cursor_hidden_) {
        port_.ShowCursor();
    }
    port_.EndProgram();
}

}  // namespace velmora::saver
