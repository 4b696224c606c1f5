#include "saver/win32/run_form.h"

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

RunForm::RunForm(const settings::MusicChoice& music, std::string renderer_path, bool cursor_hidden)
    : player_(media_, music),
      controller_(*this, player_, music::MusicSourceFor(music), std::move(renderer_path),
                  cursor_hidden) {}

void RunForm::Start() {
    // A top-level window that is never shown: its caption marks the run.
    window_ = CreateHiddenPopup({kClassName, Procedure}, kRunFormCaption, this);
    controller_.Start();
}

LRESULT CALLBACK RunForm::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    RunForm* form = OwnerOf<RunForm>(window, message, lparam);
    if (form != nullptr) {
        switch (message) {
            case WM_TIMER:
                for (const RunTimer timer : {RunTimer::MusicCheck, RunTimer::RendererWatch}) {
                    if (wparam == TimerId(timer)) {
                        form->controller_.OnTimer(timer);
                        return 0;
                    }
                }
                break;
            case WM_CLOSE:
                form->controller_.End();
                return 0;
            case WM_QUERYENDSESSION:
                return TRUE;
            case WM_ENDSESSION:
                if (wparam) {
                    form->controller_.End();
                }
                return 0;
        }
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

bool RunForm::LaunchRenderer(const std::string& path) {
    return launcher_.Launch(path);
}

bool RunForm::RendererWindowExists() {
    return FindWindowA(nullptr, kRendererWindowTitle) != nullptr;
}

bool RunForm::RendererProcessRunning() {
    return launcher_.Running();
}

std::uint64_t RunForm::NowMs() {
    return GetTickCount64();
}

void RunForm::StartTimer(RunTimer timer, std::uint32_t interval_ms) {
    SetTimer(window_, TimerId(timer), interval_ms, nullptr);
}

void RunForm::StopTimer(RunTimer timer) {
    KillTimer(window_, TimerId(timer));
}

void RunForm::ShowCursor() {
    ::ShowCursor(TRUE);
}

void RunForm::EndProgram() {
    EndProcessNow();
}

}  // namespace velmora::saver
