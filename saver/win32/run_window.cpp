#include "saver/win32/run_window.h"

#include <utility>

#include "contract/run_contract.h"
#include "saver/win32/program_window.h"

namespace velmora::saver {

namespace {

UINT_PTR TimerId(RunTimer timer) {
    return static_cast<UINT_PTR>(timer) + 1;
}

}  // namespace

RunWindow::RunWindow(const settings::MusicChoice& music, std::wstring renderer_path,
                     bool cursor_hidden)
    : renderer_path_(std::move(renderer_path)),
      player_(media_, music),
      controller_(player_.Source(), cursor_hidden) {}

void RunWindow::Start() {
    // A top-level window that is never shown: its caption marks the run.
    window_ =
        CreateHiddenPopup({contract::kRunWindowClass, platform_edge::GuardedWindowProc<Procedure>},
                          contract::kRunWindowCaption, this);
    CarryOut(controller_.Start(SeeRenderer()));
}

RendererSight RunWindow::SeeRenderer() const {
    RendererSight sight;
    sight.window = FindWindowA(nullptr, contract::kRendererWindowTitle) != nullptr;
    sight.process = launcher_.Running();
    sight.now_ms = GetTickCount64();
    return sight;
}

void RunWindow::CarryOut(const RunReaction& reaction) {
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
    switch (reaction.music) {
        case MusicStep::Start:
            player_.Start();
            break;
        case MusicStep::Check:
            CarryOut(controller_.MusicChecked(player_.Check()));
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
}

LRESULT CALLBACK RunWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    RunWindow* self = platform_edge::OwnerOf<RunWindow>(window, message, lparam);
    if (self != nullptr) {
        switch (message) {
            case WM_TIMER:
                for (const RunTimer timer : {RunTimer::MusicCheck, RunTimer::RendererWatch}) {
                    if (wparam == TimerId(timer)) {
                        self->CarryOut(self->controller_.OnTimer(timer, self->SeeRenderer()));
                        return 0;
                    }
                }
                break;
            case WM_CLOSE:
                self->CarryOut(self->controller_.End());
                return 0;
            case WM_QUERYENDSESSION:
                return TRUE;
            case WM_ENDSESSION:
                if (wparam) {
                    self->CarryOut(self->controller_.End());
                }
                return 0;
        }
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace velmora::saver
