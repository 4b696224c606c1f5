#include "saver/win32/run_window.h"

#include <utility>

#include "saver/core/saver_texts.h"
#include "saver/win32/program_window.h"

namespace velmora::saver {

namespace {

constexpr char kClassName[] = "Velmora_S";

UINT_PTR TimerId(RunTimer timer) {
    return static_cast<UINT_PTR>(timer) + 1;
}

}  // namespace

RunWindow::RunWindow(const settings::MusicChoice& music, std::string renderer_path,
                     bool cursor_hidden)
    : player_(media_, music),
      controller_(*this, player_, music::MusicSourceFor(music), std::move(renderer_path),
                  cursor_hidden) {}

void RunWindow::Start() {
    // A top-level window that is never shown: its caption marks the run.
    window_ = CreateHiddenPopup({kClassName, Procedure}, kRunWindowCaption, this);
    controller_.Start();
}

LRESULT CALLBACK RunWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    RunWindow* self = OwnerOf<RunWindow>(window, message, lparam);
    if (self != nullptr) {
        switch (message) {
            case WM_TIMER:
                for (const RunTimer timer : {RunTimer::MusicCheck, RunTimer::RendererWatch}) {
                    if (wparam == TimerId(timer)) {
                        self->controller_.OnTimer(timer);
                        return 0;
                    }
                }
                break;
            case WM_CLOSE:
                self->controller_.End();
                return 0;
            case WM_QUERYENDSESSION:
                return TRUE;
            case WM_ENDSESSION:
                if (wparam) {
                    self->controller_.End();
                }
                return 0;
        }
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

bool RunWindow::LaunchRenderer(const std::string& path) {
    return launcher_.Launch(path);
}

bool RunWindow::RendererWindowExists() {
    return FindWindowA(nullptr, kRendererWindowTitle) != nullptr;
}

bool RunWindow::RendererProcessRunning() {
    return launcher_.Running();
}

std::uint64_t RunWindow::NowMs() {
    return GetTickCount64();
}

void RunWindow::StartTimer(RunTimer timer, std::uint32_t interval_ms) {
    SetTimer(window_, TimerId(timer), interval_ms, nullptr);
}

void RunWindow::StopTimer(RunTimer timer) {
    KillTimer(window_, TimerId(timer));
}

void RunWindow::ShowCursor() {
    ::ShowCursor(TRUE);
}

void RunWindow::EndProgram() {
    EndProcessNow();
}

}  // namespace velmora::saver
