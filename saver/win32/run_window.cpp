// The hidden run window of a saver run. How control flows through it:
//  1. Start creates the window (its caption marks the run as busy) and
//     carries out the controller's start: the renderer launched, the music
//     started, the renderer watch's timer.
//  2. Procedure turns each timer tick, close request and session end into a
//     RunController event, with what SeeRenderer finds of the renderer's
//     window and process and of the user's input.
//  3. Carry does what the reaction lists, in its order; the outcomes of a
//     launch and of a music check go back to the controller, whose reaction
//     is carried out in turn.
//  4. The run ends with the renderer (or with a close): the renderer's
//     process is ended when the controller says its window outstayed the
//     user's input, the music stops, the cursor comes back and the process
//     ends at once, closing the job that ends any renderer still running.
#include "saver/win32/run_window.h"

#include <utility>
#include <vector>

#include "contract/run_contract.h"
#include "platform_edge/win32/carry_in_turn.h"
#include "saver/win32/program_window.h"
#include "saver/win32/renderer_window.h"

namespace velmora::saver {

namespace {

UINT_PTR TimerId(RunTimer timer) {
    return static_cast<UINT_PTR>(timer) + 1;
}

// The platform's signs of input, whichever window took it.
InputSight SeeUserInput() {
    InputSight sight;
    LASTINPUTINFO last_input{};
    last_input.cbSize = sizeof last_input;
    if (GetLastInputInfo(&last_input)) {
        sight.last_input_tick = last_input.dwTime;
    }
    POINT cursor{};
    if (GetCursorPos(&cursor)) {
        sight.cursor = ScreenPoint{cursor.x, cursor.y};
    }
    return sight;
}

}  // namespace

RunWindow::RunWindow(const settings::MusicChoice& music, std::wstring renderer_path)
    : renderer_path_(std::move(renderer_path)),
      player_(media_, music),
      controller_(player_.Source()) {}

void RunWindow::Start() {
    // A top-level window that is never shown: its caption marks the run.
    window_ =
        CreateHiddenPopup({contract::kRunWindowClass, platform_edge::GuardedWindowProc<Procedure>},
                          contract::kRunWindowCaption, this);
    Carry(controller_.Start(SeeRenderer()));
}

RendererSight RunWindow::SeeRenderer() const {
    RendererSight sight;
    HWND window = FindRendererWindow();
    sight.window = window != nullptr;
    sight.window_shown = window != nullptr && IsWindowVisible(window);
    sight.process = launcher_.Running();
    sight.now_ms = GetTickCount64();
    sight.input = SeeUserInput();
    return sight;
}

void RunWindow::Carry(RunReaction reaction) {
    platform_edge::CarryInTurn(reaction,
                               [this](const RunReaction& next) { return CarryOne(next); });
}

std::vector<RunReaction> RunWindow::CarryOne(const RunReaction& reaction) {
    std::vector<RunReaction> outcomes;
    if (reaction.stop_watch) {
        KillTimer(window_, TimerId(RunTimer::RendererWatch));
    }
    if (reaction.stop_music_check) {
        KillTimer(window_, TimerId(RunTimer::MusicCheck));
    }
    if (reaction.start_watch) {
        SetTimer(window_, TimerId(RunTimer::RendererWatch), kRendererWatchMs, nullptr);
    }
    if (reaction.launch_renderer) {
        controller_.RendererLaunched(launcher_.Launch(renderer_path_));
    }
    if (reaction.end_renderer && !launcher_.EndStarted(kRendererEndWaitMs)) {
        // One an earlier run left running: the process of its window.
        EndProcessOfWindow(FindRendererWindow(), kRendererEndWaitMs);
    }
    switch (reaction.music) {
        case MusicStep::Start:
            player_.Start();
            break;
        case MusicStep::Check:
            outcomes.push_back(controller_.MusicChecked(player_.Check()));
            break;
        case MusicStep::Stop:
            player_.Stop();
            break;
        case MusicStep::None:
            break;
    }
    if (reaction.start_music_check_ms > 0) {
        SetTimer(window_, TimerId(RunTimer::MusicCheck), reaction.start_music_check_ms, nullptr);
    }
    if (reaction.show_cursor) {
        ShowCursor(TRUE);
    }
    if (reaction.end_program) {
        EndProcessNow();
    }
    return outcomes;
}

LRESULT CALLBACK RunWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    RunWindow* self = platform_edge::OwnerOf<RunWindow>(window, message, lparam);
    if (self != nullptr) {
        switch (message) {
            case WM_TIMER:
                for (const RunTimer timer : {RunTimer::MusicCheck, RunTimer::RendererWatch}) {
                    if (wparam == TimerId(timer)) {
                        self->Carry(self->controller_.OnTimer(timer, self->SeeRenderer()));
                        return 0;
                    }
                }
                break;
            case WM_CLOSE:
                self->Carry(self->controller_.End());
                return 0;
            case WM_QUERYENDSESSION:
                return TRUE;
            case WM_ENDSESSION:
                if (wparam) {
                    self->Carry(self->controller_.End());
                }
                return 0;
        }
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace velmora::saver
