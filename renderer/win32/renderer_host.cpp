// The renderer's host: its one window over every monitor, the message loop
// that draws a frame whenever the queue is empty, and the platform calls the
// effect needs. How control flows through it:
//  1. RunRenderer steps aside for another saver window still in its creation
//     title, lays the window out over the monitors (each with its DPI; as
//     far as a window many drivers can draw reaches: else the primary's
//     area, else it ends), registers the class and creates the window with
//     the RendererState,
//     which RendererWindowProc keeps from WM_NCCREATE on (`main_window` once
//     the creation has returned), then asks for the foreground, again each
//     second while the system refuses (AskForForeground).
//  2. RendererWindowProc takes news of the energy saver or the session into
//     the frame budget (KeepToFrameBudget: the swap interval and the pacer's),
//     then turns each message into a WindowEvent (or a
//     PresenceEvent: displays off, session locked) and carries out the
//     WindowReaction the window rules return, in their order: creation starts
//     the effect (StartEffect: parameters, title, GL context, the window
//     fitted to what the GL can draw, EffectDrawing as far as the GL is
//     trusted, the keys' and buttons' raw input, which comes active or not;
//     where the GL cannot draw, the creation fails and the renderer ends),
//     a display or DPI change lays the window and views out again
//     (LayOutAgain, the budget following the monitors' refresh rates), input
//     posts the close that the rules then let through (where the window
//     cannot cover the desktop, a look at the cursor beyond it on the watch's
//     timer is a move, WatchCursorBeyondWindow),
//     destruction stops the effect and posts the quit.
//  3. RunMessageLoop dispatches what is queued; with the queue empty it
//     sleeps while nobody sees the picture, waits for the pacer where frames
//     are paced (to the budget's interval), and draws one frame (IdleDraw:
//     the back buffer's probe where the GL's swap copies, once per layout; the
//     frame clock's step, the drawing, SwapBuffers, the published count).
//  4. The quit of the window's own destruction ends the loop (one posted
//     from outside does not); RunRenderer returns 0.
#include "renderer/win32/renderer_host.h"

#include <mmsystem.h>

#include <ctime>
#include <optional>
#include <vector>

#include "contract/run_contract.h"
#include "platform_edge/win32/guarded_entry.h"
#include "platform_edge/win32/window_owner.h"
#include "renderer/core/cursor_watch.h"
#include "renderer/core/desktop_layout.h"
#include "renderer/core/display_presence.h"
#include "renderer/core/effect_parameters.h"
#include "renderer/core/frame_budget.h"
#include "renderer/core/frame_clock.h"
#include "renderer/core/frame_pacer.h"
#include "renderer/core/gl_trust.h"
#include "renderer/core/host_state.h"
#include "renderer/core/random15.h"
#include "renderer/core/window_rules.h"
#include "renderer/core/trail_keeping.h"
#include "renderer/gl/current_gl.h"
#include "renderer/gl/effect_drawing.h"
#include "renderer/win32/background_input.h"
#include "renderer/win32/desktop_monitors.h"
#include "renderer/win32/foreground_request.h"
#include "renderer/win32/frame_conditions.h"
#include "renderer/win32/frame_counter.h"
#include "renderer/win32/frame_policy.h"
#include "renderer/win32/gl_context.h"
#include "renderer/win32/password_port.h"
#include "renderer/win32/presence_notifications.h"
#include "renderer/win32/renderer_resource_ids.h"
#include "renderer/win32/window_events.h"

namespace velmora::renderer {
namespace {

// Everything the renderer holds while it runs: one instance, owned by
// RunRenderer and handed to the window at its creation; touched only by the
// GUI thread.
struct RendererState {
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
    CursorWatch cursor_watch;
    PresenceNotifications presence_notifications;
    // Set up with the GL context.
    FrameBudgetFollower frame_budget{FrameConditions{}};
    FramePacer pacer{0};
    EnergySaverNotifications energy_saver_notifications;
    FrameCounter frame_counter;
    // Told by the GL once its context is made.
    TrailKeepingChoice trail_keeping{false};
    DrawableSize largest_drawable = LargestDrawable(0, 0);
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

// The timer on which the cursor is looked at beyond the window (the
// foreground's asks have their own).
constexpr UINT_PTR kCursorWatchTimer = kForegroundAskTimer + 1;

ScreenPoint CurrentCursor() {
    POINT point{};
    GetCursorPos(&point);
    return ScreenPoint{point.x, point.y};
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

void PlaceWindow(HWND window, const ScreenRect& area) {
    SetWindowPos(window, HWND_TOPMOST, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOACTIVATE);
}

// Where the window does not cover the desktop, the cursor is looked at
// beyond it, so a move on a monitor without the picture ends the run too.
void WatchCursorBeyondWindow(RendererState& process, HWND window) {
    if (WindowCoversDesktop(process.layout.window, CurrentDesktop())) {
        KillTimer(window, kCursorWatchTimer);
    } else {
        SetTimer(window, kCursorWatchTimer, kCursorWatchIntervalMs, nullptr);
    }
}

// Paced frames keep to the budget: the swap waits for its refreshes where the
// driver offers that, and the pacer holds frames to its interval either way.
void KeepToFrameBudget(RendererState& process) {
    const FrameBudget& budget = process.frame_budget.Budget();
    process.pacer.ChangeInterval(budget.frame_interval_us);
    if (process.gl_context != nullptr) {
        const bool paced = ProgramFramePolicy().paced;
        SetSwapInterval(process.device_context, paced ? budget.swap_interval : 0);
    }
}

// The window over what of the desktop the GL can draw, now that its largest
// drawable size is known. False when nothing can be drawn.
bool FitToDrawable(RendererState& process, HWND window) {
    process.largest_drawable = CurrentLargestDrawable();
    const std::optional<std::vector<Monitor>> drawable =
        DrawableMonitors(DesktopMonitors(), process.largest_drawable);
    if (!drawable) {
        return false;
    }
    const DesktopLayout layout = LayOutDesktop(*drawable);
    if (layout.window != process.layout.window) {
        PlaceWindow(window, layout.window);
    }
    process.layout = layout;
    return true;
}

// Effect parameters and title, then the GL context and state and the clouds.
// False when the GL cannot draw into the window.
bool StartEffect(RendererState& process, HWND window) {
    process.effect_parameters = StandardEffectParameters();
    SetWindowTextA(window, contract::kRendererWindowTitle);
    Random15 random = Random15::ForRun(static_cast<uint32_t>(std::time(nullptr)));
    process.device_context = GetDC(window);
    process.gl_context = MakeCurrentGlContext(process.device_context);
    if (process.gl_context == nullptr || !FitToDrawable(process, window)) {
        return false;
    }
    WatchCursorBeyondWindow(process, window);
    process.frame_budget =
        FrameBudgetFollower(CurrentFrameConditions(DesktopMonitors(), process.layout.window));
    KeepToFrameBudget(process);
    const GlTrust trust = TrustOfGl(CurrentGlIdentity());
    process.trail_keeping = TrailKeepingChoice(trust.swap_copies);
    process.effect_drawing.SetUp(process.layout, process.effect_parameters, random,
                                 process.trail_keeping.Keeping(), trust.round_smooth_points);
    process.frame_clock = FrameClock(process.effect_drawing.Gains().darkening_per_step);
    process.presence_notifications.Register(window);
    process.energy_saver_notifications.Register(window);
    RegisterBackgroundInput(window);
    return true;
}

// The window and its views over the monitors there are now, as far as the GL
// can draw them; the effect goes on, its picture kept in textures until the
// back buffer is probed in the new layout. False when nothing can be drawn.
bool LayOutAgain(RendererState& process) {
    const std::vector<Monitor> listed = ListedMonitors();
    const std::optional<std::vector<Monitor>> drawable =
        DrawableMonitors(listed, process.largest_drawable);
    if (!drawable) {
        return false;
    }
    process.layout = LayOutChangedDesktop(process.layout, *drawable);
    PlaceWindow(process.main_window, process.layout.window);
    if (process.gl_context != nullptr) {
        process.trail_keeping.LayoutChanged();
        process.effect_drawing.ChangeLayout(process.layout, process.trail_keeping.Keeping());
    }
    WatchCursorBeyondWindow(process, process.main_window);
    if (process.frame_budget.MonitorsChanged(MonitorsOrPrimary(listed, PrimaryScreen()),
                                             process.layout.window)) {
        KeepToFrameBudget(process);
    }
    return true;
}

void StopEffect(RendererState& process, HWND window) {
    UnregisterBackgroundInput();
    process.energy_saver_notifications.Unregister();
    process.presence_notifications.Unregister();
    process.effect_drawing.TearDown();
    ReleaseDC(window, process.device_context);
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(process.gl_context);
    process.device_context = nullptr;
    process.gl_context = nullptr;
}

LRESULT CALLBACK RendererWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* process = platform_edge::OwnerOf<RendererState>(window, message, lparam);
    if (process != nullptr) {
        const FrameNewsAnswer news =
            FollowFrameConditions(message, wparam, lparam, process->frame_budget);
        if (news.budget_changed) {
            KeepToFrameBudget(*process);
        }
        if (news.answered) {
            return news.answer;
        }
    }
    const std::optional<PresenceEvent> presence_event =
        process != nullptr ? PresenceEventForMessage(message, wparam, lparam) : std::nullopt;
    if (presence_event) {
        // The loop sleeps while nobody sees the picture: a message wakes it.
        if (process->presence.Apply(*presence_event)) {
            PostMessageA(window, WM_NULL, 0, 0);
        }
        return TRUE;
    }
    if (message == WM_ERASEBKGND) {
        return TRUE;  // the GL draws every pixel; see RegisterWindowClass
    }
    if (process != nullptr && message == WM_TIMER && wparam == kForegroundAskTimer) {
        AskForForeground(window, process->foreground);
        return 0;
    }
    WindowEvent event;
    if (process != nullptr && message == WM_TIMER && wparam == kCursorWatchTimer) {
        if (!process->cursor_watch.MovedBeyond(CurrentCursor(), process->layout.window)) {
            return 0;
        }
        event.kind = WindowEventKind::MouseMoved;
    } else if (process == nullptr || !EventForMessage(message, wparam, lparam, event)) {
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
    if (reaction.start_effect && !StartEffect(*process, window)) {
        // Nothing can be drawn: rather than a black window that ends on input
        // as if all were well, the window's creation fails and the renderer
        // ends as it does without a window.
        return -1;
    }
    if (reaction.lay_out_again && !LayOutAgain(*process)) {
        // Nothing of the new desktop can be drawn: the renderer ends.
        DestroyWindow(window);
        return 0;
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

bool RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSA window_class{};
    // Workaround for Windows: a class brush, or CS_HREDRAW and CS_VREDRAW,
    // have GDI erase the double-buffered GL window at every change of layout
    // (a black flash), and GDI must not draw into a GL window. No brush, and
    // WM_ERASEBKGND is answered without erasing: the GL draws every pixel.
    window_class.style = CS_OWNDC;
    window_class.lpfnWndProc = platform_edge::GuardedWindowProc<RendererWindowProc>;
    window_class.hInstance = instance;
    window_class.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_RENDERER));
    window_class.hCursor = nullptr;
    window_class.hbrBackground = nullptr;
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

// Whether the back buffer survives a swap, asked where the GL's swap copies,
// once the window is on the screen and a frame of its layout presented.
void ProbeBackBuffer(RendererState& process) {
    const ScreenRect& area = process.layout.window;
    HDC device_context = process.device_context;
    const TrailKeeping probed =
        ProbeTrailKeeping(area.right - area.left, area.bottom - area.top,
                          [device_context] { PresentBackBuffer(device_context); });
    process.trail_keeping.Probed(probed == TrailKeeping::BackBuffer);
    process.effect_drawing.ChangeKeeping(process.trail_keeping.Keeping());
}

// One frame when set-up is complete and no password dialog is up.
void IdleDraw(RendererState& process) {
    if (!MayDraw(process.host_state)) {
        return;
    }
    if (process.trail_keeping.ProbeDue(IsWindowVisible(process.main_window) != 0)) {
        ProbeBackBuffer(process);
    }
    process.effect_drawing.DrawFrame(process.frame_clock.Next(NowUs()));
    PresentBackBuffer(process.device_context);
    process.trail_keeping.FramePresented();
    process.frame_counter.Count();
}

int RunMessageLoop(RendererState& process) {
    const FramePolicy& policy = ProgramFramePolicy();
    MSG message{};
    for (;;) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            const BOOL got = GetMessageA(&message, nullptr, 0, 0);
            if (got == -1) {
                return 0;
            }
            if (got == 0) {
                if (QuitEndsRenderer(process.host_state)) {
                    return 0;
                }
                continue;
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
            const uint32_t sleep_ms = process.pacer.SleepBeforeFrameMs(NowUs());
            if (sleep_ms > 0) {
                // Wait for the frame's time, or for input, whichever is first.
                MsgWaitForMultipleObjectsEx(0, nullptr, sleep_ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
                continue;
            }
            process.pacer.FrameStarted(NowUs());
        }
        IdleDraw(process);
        Sleep(0);
    }
}

}  // namespace

int RunRenderer(HINSTANCE instance) {
    RendererState process;
    if (AnotherSaverIsRunning()) {
        return 0;
    }
    // Until the GL tells its own, the largest window many drivers can draw.
    const std::optional<std::vector<Monitor>> drawable =
        DrawableMonitors(DesktopMonitors(), process.largest_drawable);
    if (!drawable) {
        return 0;
    }
    process.layout = LayOutDesktop(*drawable);
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
