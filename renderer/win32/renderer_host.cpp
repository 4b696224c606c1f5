// The renderer's host: its one window over every monitor, the message loop
// that draws a frame whenever the queue is empty, and the platform calls the
// effect needs. How control flows through it:
//  1. RunRenderer steps aside for another saver window still in its creation
//     title, lays the window out over the monitors (each with its DPI),
//     registers the class and creates the window with the RendererProcess,
//     which RendererWindowProc keeps from WM_NCCREATE on (`main_window` once
//     the creation has returned), then asks for the foreground, again each
//     second while the system refuses (AskForForeground).
//  2. RendererWindowProc turns each message into a WindowEvent (or a
//     PresenceEvent: displays off, session locked) and carries out the
//     WindowReaction the window rules return, in their order: creation starts
//     the effect (StartEffect: parameters, title, GL context, EffectDrawing,
//     the keys' and buttons' raw input, which comes active or not),
//     a display or DPI change lays the window and views out again
//     (LayOutAgain), input posts the close that the rules then let through,
//     destruction stops the effect and posts the quit.
//  3. RunMessageLoop dispatches what is queued; with the queue empty it
//     sleeps while nobody sees the picture, waits for the pacer where frames
//     are paced, and draws one frame (IdleDraw: the back buffer's probe once,
//     the frame clock's step, the drawing, the swap, the published count).
//  4. The quit of the window's own destruction ends the loop; RunRenderer
//     returns 0.
#include "renderer/win32/renderer_host.h"

#include <mmsystem.h>

#include <ctime>
#include <vector>

#include "contract/run_contract.h"
#include "platform_edge/win32/guarded_entry.h"
#include "platform_edge/win32/window_owner.h"
#include "renderer/core/desktop_layout.h"
#include "renderer/core/display_presence.h"
#include "renderer/core/effect_parameters.h"
#include "renderer/core/frame_clock.h"
#include "renderer/core/frame_pacer.h"
#include "renderer/core/host_state.h"
#include "renderer/core/random15.h"
#include "renderer/core/window_rules.h"
#include "renderer/core/trail_keeping.h"
#include "renderer/gl/effect_drawing.h"
#include "renderer/win32/background_input.h"
#include "renderer/win32/foreground_request.h"
#include "renderer/win32/frame_counter.h"
#include "renderer/win32/frame_policy.h"
#include "renderer/win32/gl_context.h"
#include "renderer/win32/password_port.h"
#include "renderer/win32/presence_notifications.h"
#include "renderer/win32/renderer_resource_ids.h"
#include "renderer/win32/window_events.h"
#include "system_dlls/win32/dpi_calls.h"

namespace velmora::renderer {
namespace {

// Everything the renderer holds while it runs: one instance, owned by
// RunRenderer and handed to the window at its creation; touched only by the
// GUI thread.
struct RendererProcess {
    HWND main_window = nullptr;  // from the end of its creation on
    HDC device_context = nullptr;
    HGLRC gl_context = nullptr;
    DesktopLayout layout;
    HostState host_state;
    EffectParameters effect_parameters;
    EffectDrawing effect_drawing;
    // Set up with the effect's drawing.
    FrameClock frame_clock{1.0f};
    DisplayPresence presence;
    ForegroundPursuit foreground = SystemForegroundPursuit();
    PresenceNotifications presence_notifications;
    FrameCounter frame_counter;
    bool back_buffer_probed = false;
    bool frame_presented = false;
};

int64_t NowUs() {
    static const LARGE_INTEGER kFrequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart / kFrequency.QuadPart * 1000000 +
           counter.QuadPart % kFrequency.QuadPart * 1000000 / kFrequency.QuadPart;
}

int DisplayRefreshRate() {
    HDC screen = GetDC(nullptr);
    const int rate = GetDeviceCaps(screen, VREFRESH);
    ReleaseDC(nullptr, screen);
    return rate;
}

CursorPos CurrentCursor() {
    POINT point{};
    GetCursorPos(&point);
    return CursorPos{point.x, point.y};
}

DesktopShape CurrentDesktop() {
    DesktopShape desktop;
    desktop.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    desktop.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    desktop.right = desktop.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    desktop.bottom = desktop.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    desktop.monitor_count = GetSystemMetrics(SM_CMONITORS);
    return desktop;
}

std::vector<Monitor> Monitors();

void PlaceWindow(HWND window, const ScreenRect& area) {
    SetWindowPos(window, HWND_TOPMOST, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOACTIVATE);
}

// Effect parameters and title, then the GL context and state and the clouds.
void StartEffect(RendererProcess& process, HWND window) {
    AssignEffectParameters(process.effect_parameters);
    SetWindowTextA(window, contract::kRendererWindowTitle);
    Random15 random = Random15::ForRun(static_cast<uint32_t>(std::time(nullptr)));
    process.device_context = GetDC(window);
    SetBestPixelFormat(process.device_context);
    process.gl_context = wglCreateContext(process.device_context);
    wglMakeCurrent(process.device_context, process.gl_context);
    SetSwapInterval(ProgramFramePolicy().paced ? 1 : 0);
    // The picture is kept in textures until the back buffer has been probed.
    process.effect_drawing.SetUp(process.layout, process.effect_parameters, random,
                                 TrailKeeping::Texture);
    process.frame_clock = FrameClock(process.effect_drawing.Gains().darkening_per_step);
    process.presence_notifications.Register(window);
    RegisterBackgroundInput(window);
}

// The window and its views over the monitors there are now; the effect goes on.
void LayOutAgain(RendererProcess& process) {
    process.layout = LayOutChangedDesktop(process.layout, Monitors());
    PlaceWindow(process.main_window, process.layout.window);
    if (process.gl_context != nullptr) {
        process.effect_drawing.ChangeLayout(process.layout);
    }
}

void StopEffect(RendererProcess& process, HWND window) {
    UnregisterBackgroundInput();
    process.presence_notifications.Unregister();
    process.effect_drawing.TearDown();
    ReleaseDC(window, process.device_context);
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(process.gl_context);
    process.device_context = nullptr;
    process.gl_context = nullptr;
}

LRESULT CALLBACK RendererWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* process = platform_edge::OwnerOf<RendererProcess>(window, message, lparam);
    PresenceEvent presence_event{};
    if (process != nullptr && PresenceEventForMessage(message, wparam, lparam, presence_event)) {
        // The loop sleeps while nobody sees the picture: a message wakes it.
        if (process->presence.Apply(presence_event)) {
            PostMessageA(window, WM_NULL, 0, 0);
        }
        return TRUE;
    }
    if (process != nullptr && message == WM_TIMER && wparam == kForegroundAskTimer) {
        AskForForeground(window, process->foreground);
        return 0;
    }
    WindowEvent event;
    if (process == nullptr || !EventForMessage(message, wparam, lparam, event)) {
        return DefWindowProcA(window, message, wparam, lparam);
    }
    // The message's own coordinates are not used: the cursor is read where
    // it is on the desktop.
    event.cursor = CurrentCursor();
    event.desktop = CurrentDesktop();
    Win32PasswordPort password(window);
    const WindowReaction reaction = HandleWindowEvent(process->host_state, event, password);
    if (reaction.hide_cursor) {
        SetCursor(nullptr);
    }
    if (reaction.start_effect) {
        StartEffect(*process, window);
    }
    if (reaction.lay_out_again) {
        LayOutAgain(*process);
    }
    if (reaction.post_quit) {
        PostQuitMessage(0);
    }
    if (reaction.stop_effect) {
        StopEffect(*process, window);
    }
    if (reaction.post_close) {
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    if (reaction.answered) {
        return reaction.result;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

// The monitor's effective DPI where the system tells each monitor's
// (Windows 8.1 on), else the system's one DPI.
int MonitorDpi(HMONITOR monitor) {
    const int told = system_dlls::MonitorDpi(monitor);
    return told > 0 ? told : system_dlls::SystemDpi();
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT rect, LPARAM monitors) {
    return platform_edge::AnswerWithin(FALSE, [&] {
        reinterpret_cast<std::vector<Monitor>*>(monitors)->emplace_back(
            ScreenRect{rect->left, rect->top, rect->right, rect->bottom}, MonitorDpi(monitor));
        return TRUE;
    });
}

std::vector<Monitor> Monitors() {
    std::vector<Monitor> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

// Every monitor of the desktop; the primary screen when they cannot be told.
DesktopLayout LayOutMonitors() {
    DesktopLayout layout = LayOutDesktop(Monitors());
    if (layout.views.empty()) {
        layout = SingleView(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                            system_dlls::SystemDpi());
    }
    return layout;
}

bool RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSA window_class{};
    window_class.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    window_class.lpfnWndProc = platform_edge::GuardedWindowProc<RendererWindowProc>;
    window_class.hInstance = instance;
    window_class.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_RENDERER));
    window_class.hCursor = nullptr;
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    window_class.lpszClassName = contract::kScreenSaverWindowClass;
    return RegisterClassA(&window_class) != 0;
}

// Another saver window still in its creation title: bring it forward instead.
bool AnotherSaverIsRunning() {
    HWND other =
        FindWindowA(contract::kScreenSaverWindowClass, contract::kScreenSaverCreationTitle);
    if (other == nullptr || !IsWindow(other)) {
        return false;
    }
    SetForegroundWindow(other);
    return true;
}

// Whether the back buffer survives a swap, asked once the window is on the
// screen and has been presented.
void ProbeBackBuffer(RendererProcess& process) {
    process.back_buffer_probed = true;
    const ScreenRect& area = process.layout.window;
    HDC device_context = process.device_context;
    process.effect_drawing.ChangeKeeping(
        ProbeTrailKeeping(area.right - area.left, area.bottom - area.top,
                          [device_context] { SwapMainPlane(device_context); }));
}

// One frame when set-up is complete and no password dialog is up.
void IdleDraw(RendererProcess& process) {
    if (!MayDraw(process.host_state)) {
        return;
    }
    if (BackBufferProbeDue(process.back_buffer_probed, IsWindowVisible(process.main_window) != 0,
                           process.frame_presented)) {
        ProbeBackBuffer(process);
    }
    process.effect_drawing.DrawFrame(process.frame_clock.Next(NowUs()));
    SwapMainPlane(process.device_context);
    process.frame_presented = true;
    process.frame_counter.Count();
}

int RunMessageLoop(RendererProcess& process) {
    const FramePolicy& policy = ProgramFramePolicy();
    FramePacer pacer(DisplayRefreshRate());
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
                if (process.main_window != nullptr && IsWindow(process.main_window)) {
                    continue;
                }
                return 0;
            }
            ::TranslateMessage(&message);
            DispatchMessageA(&message);
            continue;
        }
        if (!process.presence.Seen()) {
            // Nobody sees the picture: no frames, sleep until a message comes.
            MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
            continue;
        }
        if (policy.paced) {
            const int64_t wait = pacer.WaitBeforeFrame(NowUs());
            if (wait >= 1000) {
                // Wait for the frame's time, or for input, whichever is first.
                MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(wait / 1000),
                                            QS_ALLINPUT, MWMO_INPUTAVAILABLE);
                continue;
            }
            pacer.FrameStarted(NowUs());
        }
        IdleDraw(process);
        Sleep(0);
    }
}

}  // namespace

int RunRenderer(HINSTANCE instance) {
    RendererProcess process;
    if (AnotherSaverIsRunning()) {
        return 0;
    }
    process.layout = LayOutMonitors();
    if (!RegisterWindowClass(instance)) {
        return 0;
    }
    const ScreenRect& area = process.layout.window;
    HWND window = CreateWindowExA(
        WS_EX_TOPMOST, contract::kScreenSaverWindowClass, contract::kScreenSaverCreationTitle,
        WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, area.left, area.top,
        area.right - area.left, area.bottom - area.top, nullptr, nullptr, instance, &process);
    if (window == nullptr) {
        return 0;
    }
    process.main_window = window;
    AskForForeground(window, process.foreground);

    // Sleeps of one millisecond where the pacing needs them.
    timeBeginPeriod(1);
    RunMessageLoop(process);
    timeEndPeriod(1);
    return 0;
}

}  // namespace velmora::renderer
