#include "renderer/win32/saver_window.h"

#include <mmsystem.h>

#include <ctime>

#include "renderer/core/effect_parameters.h"
#include "renderer/core/frame_pacer.h"
#include "renderer/core/host_state.h"
#include "renderer/core/random15.h"
#include "renderer/core/saver_window_rules.h"
#include "renderer/gl/effect_drawing.h"
#include "renderer/win32/frame_policy.h"
#include "renderer/win32/gl_context.h"
#include "renderer/win32/password_port.h"

namespace velmora::renderer {
namespace {

constexpr char kClassName[] = "WindowsScreenSaverClass";
constexpr char kCreationTitle[] = "Screensaver";
constexpr char kRunningTitle[] = "VelmoraVC";
constexpr WORD kIconId = 7002;

// The host's process-wide state; touched only by the GUI thread.
HINSTANCE program_instance = nullptr;
HWND main_window = nullptr;
HDC device_context = nullptr;
HGLRC gl_context = nullptr;
HostState host_state;
EffectParameters effect_parameters;
EffectDrawing effect_drawing;

class Win32SaverWindowPort : public SaverWindowPort {
  public:
    explicit Win32SaverWindowPort(HWND window) : window_(window) {}

    CursorPos cursor_pos() override {
        POINT point{};
        GetCursorPos(&point);
        return CursorPos{point.x, point.y};
    }
    void hide_cursor() override { SetCursor(nullptr); }
    void post_close() override { PostMessageA(window_, WM_CLOSE, 0, 0); }
    void post_quit() override { PostQuitMessage(0); }
    bool verify_password() override { return renderer::verify_password(window_); }
    void start_effect() override {
        main_window = window_;
        set_effect_parameters(window_);
        effect_setup(window_);
    }
    void stop_effect() override { effect_teardown(window_); }

  private:
    HWND window_;
};

int64_t now_us() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart / frequency.QuadPart * 1000000 +
           counter.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart;
}

int display_refresh_rate() {
    HDC screen = GetDC(nullptr);
    const int rate = GetDeviceCaps(screen, VREFRESH);
    ReleaseDC(nullptr, screen);
    return rate;
}

void seed_from_clock() {
    seed_random15(static_cast<uint32_t>(std::time(nullptr)));
    for (int i = 0; i < 5; ++i) {
        random15();
    }
}

bool register_saver_class() {
    WNDCLASSA window_class{};
    window_class.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    window_class.lpfnWndProc = saver_window_proc;
    window_class.hInstance = program_instance;
    window_class.hIcon = LoadIconA(program_instance, MAKEINTRESOURCEA(kIconId));
    window_class.hCursor = nullptr;
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    window_class.lpszClassName = kClassName;
    return RegisterClassA(&window_class) != 0;
}

// Another saver window still in its creation title: bring it forward instead.
bool another_saver_is_running() {
    HWND other = FindWindowA(kClassName, kCreationTitle);
    if (other == nullptr || !IsWindow(other)) {
        return false;
    }
    SetForegroundWindow(other);
    return true;
}

int run_message_loop() {
    const FramePolicy& policy = frame_policy();
    FramePacer pacer(display_refresh_rate());
    MSG message{};
    for (;;) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            const BOOL got = GetMessageA(&message, nullptr, 0, 0);
            if (got == -1) {
                return 0;
            }
            if (got == 0) {
                // Only the quit of our own window's destruction ends the
                // loop; a quit posted from outside is not user input.
                if (main_window != nullptr && IsWindow(main_window)) {
                    continue;
                }
                return 0;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
            continue;
        }
        if (policy.paced) {
            const int64_t wait = pacer.wait_before_frame(now_us());
            if (wait >= 1000) {
                // Wait for the frame's time, or for input, whichever is first.
                MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(wait / 1000),
                                          QS_ALLINPUT);
                continue;
            }
            pacer.frame_started(now_us());
        }
        idle_draw();
        if (policy.frame_drawn != nullptr) {
            policy.frame_drawn();
        }
        Sleep(0);
    }
}

}  // namespace

int renderer_main(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    program_instance = instance;
    run_saver_window();
    return 0;
}

int run_saver_window() {
    if (another_saver_is_running()) {
        return 0;
    }
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    if (!register_saver_class()) {
        return 0;
    }
    HWND window = CreateWindowExA(WS_EX_TOPMOST, kClassName, kCreationTitle,
                                  WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                                  width, height, nullptr, nullptr, program_instance, nullptr);
    if (window == nullptr) {
        return 0;
    }
    main_window = window;
    SetForegroundWindow(window);

    // Sleeps of one millisecond where the pacing needs them.
    timeBeginPeriod(1);
    const int result = run_message_loop();
    timeEndPeriod(1);
    if (frame_policy().loop_ended != nullptr) {
        frame_policy().loop_ended();
    }
    return result;
}

LRESULT CALLBACK saver_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    Win32SaverWindowPort port(window);
    const MessageOutcome outcome = handle_saver_message(host_state, port, message, wparam);
    if (outcome.handled) {
        return outcome.result;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

void idle_draw() {
    if (may_draw(host_state)) {
        draw_frame();
    }
}

void set_effect_parameters(HWND window) {
    assign_effect_parameters(effect_parameters);
    SetWindowTextA(window, kRunningTitle);
}

void effect_setup(HWND window) {
    seed_from_clock();
    device_context = GetDC(window);
    choose_pixel_format(device_context);
    gl_context = wglCreateContext(device_context);
    RECT client{};
    GetClientRect(window, &client);
    wglMakeCurrent(device_context, gl_context);
    set_swap_interval(frame_policy().paced ? 1 : 0);
    effect_drawing.set_up(ClientRect{client.left, client.top, client.right, client.bottom},
                          effect_parameters);
}

void draw_frame() {
    effect_drawing.draw_frame();
    swap_main_plane(device_context);
}

void effect_teardown(HWND window) {
    effect_drawing.tear_down();
    ReleaseDC(window, device_context);
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(gl_context);
    device_context = nullptr;
    gl_context = nullptr;
}

bool verify_password(HWND window) {
    Win32PasswordPort port(window);
    return verify_password(host_state, port);
}

}  // namespace velmora::renderer
