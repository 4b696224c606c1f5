#include "saver/core/run_controller.h"

namespace velmora::saver {

void RunController::StopTimer(RunTimer timer, RunReaction& reaction) {
    timer_running_[static_cast<int>(timer)] = false;
    (timer == RunTimer::RendererWatch ? reaction.stop_watch : reaction.stop_music_check) = true;
}

RunReaction RunController::Start(const RendererSight& sight) {
    RunReaction reaction;
    // The watch runs from the window's creation on.
    reaction.start_watch = true;
    timer_running_[static_cast<int>(RunTimer::RendererWatch)] = true;
    // Never a second full-screen renderer over one that still runs.
    renderer_expected_ = sight.process;
    reaction.launch_renderer = !sight.process;
    launch_ms_ = sight.now_ms;
    input_watch_.Follow(sight.input, sight.now_ms);

    reaction.music = MusicStep::Start;
    reaction.start_music_check_ms = music::CheckIntervalMs(source_);
    timer_running_[static_cast<int>(RunTimer::MusicCheck)] = reaction.start_music_check_ms > 0;
    return reaction;
}

RunReaction RunController::OnTimer(RunTimer timer, const RendererSight& sight) {
    RunReaction reaction;
    if (timer == RunTimer::RendererWatch) {
        reaction = WatchRenderer(sight);
    } else if (TimerRunning(RunTimer::MusicCheck)) {
        reaction.music = MusicStep::Check;
    }
    return reaction;
}

RunReaction RunController::MusicChecked(bool keep_checking) {
    RunReaction reaction;
    if (!keep_checking && TimerRunning(RunTimer::MusicCheck)) {
        StopTimer(RunTimer::MusicCheck, reaction);
    }
    return reaction;
}

RunReaction RunController::WatchRenderer(const RendererSight& sight) {
    if (sight.window) {
        renderer_seen_ = true;
        if (sight.window_shown && !shown_ms_) {
            shown_ms_ = sight.now_ms;
        }
        bool input = false;
        if (shown_ms_ && sight.now_ms - *shown_ms_ >= kRendererSettleMs) {
            input = input_watch_.Judge(sight.input, sight.now_ms);
        } else {
            input_watch_.Follow(sight.input, sight.now_ms);
        }
        return KeepScreenForUser(input, sight.now_ms);
    }
    input_watch_.Follow(sight.input, sight.now_ms);
    if (renderer_expected_ && !renderer_seen_ && sight.process) {
        // A renderer whose process runs but whose window is not up yet is
        // still starting: the watch waits for it, for a bounded time, and
        // then ends it rather than leave it running.
        return sight.now_ms - launch_ms_ < kRendererStartLimitMs ? RunReaction{}
                                                                 : EndWithRenderer();
    }
    RunReaction reaction = End();
    StopTimer(RunTimer::RendererWatch, reaction);
    return reaction;
}

// Input ends the run, by the renderer's own rules: a renderer whose window
// outlasts it (hung, stuck behind a driver's message box, or one that missed
// the input) is ended whether it answers or not. Later input never moves the
// limit on.
RunReaction RunController::KeepScreenForUser(bool input, std::uint64_t now_ms) {
    if (input && !input_ms_) {
        input_ms_ = now_ms;
    }
    return input_ms_ && now_ms - *input_ms_ >= kRendererEndLimitMs ? EndWithRenderer()
                                                                   : RunReaction{};
}

RunReaction RunController::EndWithRenderer() {
    RunReaction reaction = End();
    reaction.end_renderer = reaction.end_program;
    StopTimer(RunTimer::RendererWatch, reaction);
    return reaction;
}

RunReaction RunController::End() {
    RunReaction reaction;
    if (ending_) {
        return reaction;
    }
    ending_ = true;

    if (TimerRunning(RunTimer::MusicCheck)) {
        StopTimer(RunTimer::MusicCheck, reaction);
    }
    // Also a CD whose checks have given up: the drive this run opened is
    // stopped and closed, so a disc that plays on cannot outlast the run.
    if (source_ != music::MusicSource::None) {
        reaction.music = MusicStep::Stop;
    }
    reaction.show_cursor = true;
    reaction.end_program = true;
    return reaction;
}

}  // namespace velmora::saver
