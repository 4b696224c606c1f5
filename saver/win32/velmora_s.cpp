#include "saver/win32/velmora_s.h"

#include <windows.h>

#include "music/core/velmora_bgm.h"
#include "music/win32/win32_media_port.h"
#include "saver/core/bgm_music.h"
#include "saver/core/run_controller.h"
#include "saver/core/saver_texts.h"
#include "saver/win32/program_paths.h"
#include "saver/win32/renderer_launcher.h"
#include "saver/win32/velmora_b.h"

namespace velmora::saver {

namespace {

constexpr char kClassName[] = "Velmora_S";

UINT_PTR TimerId(RunTimer timer) {
    return static_cast<UINT_PTR>(timer) + 1;
}

class Win32Run final : public RunPort {
  public:
    explicit Win32Run(HWND window) : window_(window) {}

    std::string ProgramFolder() override { return saver::ProgramFolder(); }
    bool LaunchRenderer(const std::string& path) override { return launcher_.Launch(path); }
    bool RendererWindowExists() override {
        return FindWindowA(nullptr, kRendererWindowTitle) != nullptr;
    }
    bool RendererProcessRunning() override { return launcher_.Running(); }
    std::uint64_t NowMs() override { return GetTickCount64(); }
    void SetTimerEnabled(RunTimer timer, bool enabled) override {
        if (enabled) {
            SetTimer(window_, TimerId(timer), TimerIntervalMs(timer), nullptr);
        } else {
            KillTimer(window_, TimerId(timer));
        }
    }
    void ShowCursor() override { ::ShowCursor(TRUE); }
    void EndProgram() override { saver::EndProgram(); }

  private:
    HWND window_;
    RendererLauncher launcher_;
};

// Everything a run needs, alive until the process ends.
struct RunForm {
    explicit RunForm(HWND window)
        : port(window),
          bgm(media, Settings()),
          music(bgm),
          form(port, music, Settings(), ProgramArgumentText()) {}

    Win32Run port;
    music::Win32MediaPort media;
    music::Velmora_BGM bgm;
    BgmMusic music;
    Velmora_S form;
};

RunForm* g_run = nullptr;

LRESULT CALLBACK RunFormProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (g_run) {
        switch (message) {
            case WM_TIMER:
                switch (wparam) {
                    case 1:
                        g_run->form.Timer1_Timer();
                        return 0;
                    case 2:
                        g_run->form.Timer2_Timer();
                        return 0;
                    case 3:
                        g_run->form.Timer3_Timer();
                        return 0;
                }
                break;
            case WM_CLOSE:
                g_run->form.Form_QueryUnload();
                return 0;
            case WM_QUERYENDSESSION:
                return TRUE;
            case WM_ENDSESSION:
                if (wparam) {
                    g_run->form.Form_QueryUnload();
                }
                return 0;
        }
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

void CreateRunForm() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = RunFormProc;
    window_class.hInstance = instance;
    window_class.lpszClassName = kClassName;
    RegisterClassA(&window_class);

    // A top-level window that is never shown: its caption marks the run.
    HWND window = CreateWindowExA(0, kClassName, kRunFormCaption, WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, instance, nullptr);
    if (!window) {
        EndProgram();
    }
    g_run = new RunForm(window);
    g_run->form.Form_Load();
}

}  // namespace velmora::saver
