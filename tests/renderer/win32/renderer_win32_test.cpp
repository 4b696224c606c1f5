#include <gtest/gtest.h>

#include <windows.h>
#include <wtsapi32.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "renderer/core/password_check.h"
#include "renderer/core/pixel_format_choice.h"
#include "renderer/core/trail_keeping.h"
#include "renderer/core/gl_trust.h"
#include "renderer/gl/current_gl.h"
#include "renderer/gl/effect_drawing.h"
#include "renderer/win32/background_input.h"
#include "renderer/win32/desktop_monitors.h"
#include "renderer/win32/frame_conditions.h"
#include "renderer/win32/gl_context.h"
#include "renderer/win32/password_port.h"
#include "renderer/win32/presence_notifications.h"
#include "renderer/win32/renderer_resource_ids.h"
#include "renderer/win32/window_events.h"
#include "system_dlls/win32/dpi_calls.h"

namespace velmora::renderer {
namespace {

// The window procedure hands the rules these events, and nothing for the
// messages they leave to the system.
TEST(WindowEvents, MessagesBecomeTheRulesEvents) {
    const auto kind_of = [](UINT message, WPARAM wparam) {
        WindowEvent event;
        EXPECT_TRUE(EventForMessage(message, wparam, 0, event)) << message;
        return event.kind;
    };
    EXPECT_EQ(kind_of(WM_KEYDOWN, 'A'), WindowEventKind::KeyPressed);
    EXPECT_EQ(kind_of(WM_SYSKEYDOWN, 'X'), WindowEventKind::KeyPressed);
    for (UINT button : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
        EXPECT_EQ(kind_of(button, 0), WindowEventKind::ButtonPressed);
    }
    EXPECT_EQ(kind_of(WM_ACTIVATEAPP, 0), WindowEventKind::Deactivated);
    EXPECT_EQ(kind_of(WM_SHOWWINDOW, 1), WindowEventKind::Shown);
    EXPECT_EQ(kind_of(WM_CLOSE, 0), WindowEventKind::CloseRequested);
    EXPECT_EQ(kind_of(WM_DISPLAYCHANGE, 24), WindowEventKind::DisplayChanged);
    EXPECT_EQ(kind_of(WM_DPICHANGED, MAKEWPARAM(192, 192)), WindowEventKind::DisplayChanged);

    WindowEvent event;
    for (UINT harmless : {WM_KEYUP, WM_SYSKEYUP, WM_CHAR, WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP,
                          WM_LBUTTONDBLCLK}) {
        EXPECT_FALSE(EventForMessage(harmless, 0, 0, event)) << harmless;
    }
    EXPECT_FALSE(EventForMessage(WM_ACTIVATEAPP, 1, 0, event));
    EXPECT_FALSE(EventForMessage(WM_SHOWWINDOW, 0, 0, event));

    const auto command_of = [](WPARAM command) {
        WindowEvent event;
        EXPECT_TRUE(EventForMessage(WM_SYSCOMMAND, command, 0, event));
        return event.command;
    };
    EXPECT_EQ(command_of(SC_NEXTWINDOW), SystemCommandKind::SwitchWindow);
    EXPECT_EQ(command_of(SC_PREVWINDOW), SystemCommandKind::SwitchWindow);
    EXPECT_EQ(command_of(SC_SCREENSAVE | 0x2), SystemCommandKind::StartSaver);
    EXPECT_EQ(command_of(SC_MINIMIZE), SystemCommandKind::Other);
}

static_assert(pfd::kDoubleBuffer == PFD_DOUBLEBUFFER && pfd::kDrawToWindow == PFD_DRAW_TO_WINDOW);
static_assert(pfd::kSupportOpengl == PFD_SUPPORT_OPENGL &&
              pfd::kGenericFormat == PFD_GENERIC_FORMAT);
static_assert(pfd::kGenericAccelerated == PFD_GENERIC_ACCELERATED &&
              pfd::kTypeRgba == PFD_TYPE_RGBA);
static_assert(kPlatformWin32Windows == VER_PLATFORM_WIN32_WINDOWS);
static_assert(raw_input::kMouse == RIM_TYPEMOUSE && raw_input::kKeyboard == RIM_TYPEKEYBOARD &&
              raw_input::kKeyReleased == RI_KEY_BREAK);
static_assert(raw_input::kLeftButtonDown == RI_MOUSE_LEFT_BUTTON_DOWN &&
              raw_input::kRightButtonDown == RI_MOUSE_RIGHT_BUTTON_DOWN &&
              raw_input::kMiddleButtonDown == RI_MOUSE_MIDDLE_BUTTON_DOWN);

// A plain top-level window with its own device context, for GL tests.
class GlWindow {
  public:
    GlWindow(int width, int height, DWORD shown = WS_VISIBLE) {
        WNDCLASSA window_class{};
        window_class.style = CS_OWNDC;
        window_class.lpfnWndProc = DefWindowProcA;
        window_class.hInstance = GetModuleHandleA(nullptr);
        window_class.lpszClassName = "VelmoraGlTestWindow";
        RegisterClassA(&window_class);
        window_ =
            CreateWindowExA(0, "VelmoraGlTestWindow", "gl test", WS_POPUP | shown, 0, 0, width,
                            height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        dc_ = GetDC(window_);
    }
    ~GlWindow() {
        if (context_ != nullptr) {
            wglMakeCurrent(nullptr, nullptr);
            wglDeleteContext(context_);
        }
        ReleaseDC(window_, dc_);
        DestroyWindow(window_);
    }
    bool MakeContext() {
        context_ = MakeCurrentGlContext(dc_);
        return context_ != nullptr;
    }
    HWND Window() const { return window_; }
    HDC Dc() const { return dc_; }

  private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    HGLRC context_ = nullptr;
};

// The window asks for the keyboard's and the mouse's raw input in the
// background too; a key and a button sent to the system come to it as
// WM_INPUT and become the rules' key and button events (their releases
// nothing), and after the undoing nothing is registered.
TEST(BackgroundInput, KeysAndButtonsComeAsRawInputUntilUnregistered) {
    GlWindow window(64, 64);
    ASSERT_TRUE(RegisterBackgroundInput(window.Window()));
    RAWINPUTDEVICE devices[4] = {};
    UINT count = 4;
    ASSERT_EQ(GetRegisteredRawInputDevices(devices, &count, sizeof devices[0]), 2u);
    for (const RAWINPUTDEVICE& device : {devices[0], devices[1]}) {
        EXPECT_EQ(device.dwFlags, static_cast<DWORD>(RIDEV_INPUTSINK));
        EXPECT_EQ(device.hwndTarget, window.Window());
    }

    INPUT sent[4] = {};
    sent[0].type = sent[1].type = INPUT_KEYBOARD;
    sent[0].ki.wVk = sent[1].ki.wVk = 'B';
    sent[1].ki.dwFlags = KEYEVENTF_KEYUP;
    sent[2].type = sent[3].type = INPUT_MOUSE;
    sent[2].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    sent[3].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    ASSERT_EQ(SendInput(4, sent, sizeof sent[0]), 4u);
    std::vector<WindowEventKind> events;
    int raw_reports = 0;
    const DWORD start = GetTickCount();
    MSG message{};
    while (raw_reports < 4 && GetTickCount() - start < 5000) {
        if (!PeekMessageA(&message, window.Window(), WM_INPUT, WM_INPUT, PM_REMOVE)) {
            Sleep(10);
            continue;
        }
        ++raw_reports;
        WindowEvent event;
        if (EventForMessage(message.message, message.wParam, message.lParam, event)) {
            events.push_back(event.kind);
        }
        DispatchMessageA(&message);
    }
    EXPECT_EQ(raw_reports, 4);
    EXPECT_EQ(events, (std::vector<WindowEventKind>{WindowEventKind::KeyPressed,
                                                    WindowEventKind::ButtonPressed}));

    UnregisterBackgroundInput();
    count = 4;
    EXPECT_EQ(GetRegisteredRawInputDevices(devices, &count, sizeof devices[0]), 0u);
}

TEST(PixelFormat, TheChosenFormatIsADoubleBufferedRgbaGlFormat) {
    GlWindow window(64, 64);
    ASSERT_NE(window.Window(), nullptr);
    EXPECT_TRUE(SetBestPixelFormat(window.Dc()));
    const int index = GetPixelFormat(window.Dc());
    ASSERT_GT(index, 0);
    PIXELFORMATDESCRIPTOR descriptor{};
    DescribePixelFormat(window.Dc(), index, sizeof(descriptor), &descriptor);
    EXPECT_TRUE(PixelFormatScore(PixelFormatDescription{
        descriptor.dwFlags, descriptor.iPixelType, descriptor.cColorBits, descriptor.cDepthBits}));
    EXPECT_GE(descriptor.cColorBits, 24);
}

TEST(PasswordCheck, TheNtFamilyAsksForNoPassword) {
    Win32PasswordPort port(nullptr);
    EXPECT_EQ(port.PlatformId(), static_cast<uint32_t>(VER_PLATFORM_WIN32_NT));
    HostState state;
    EXPECT_TRUE(VerifyPassword(state, port));
}

// What the driver leaves in the back buffer after a swap must not matter:
// with the keeping the probe chooses, and with the texture, the frame after
// a swap continues the picture before it.
TEST(Drawing, TrailsContinueAcrossRealBufferSwaps) {
    constexpr int kWidth = 160;
    constexpr int kHeight = 120;
    GlWindow window(kWidth, kHeight);
    ASSERT_TRUE(window.MakeContext());
    EffectParameters parameters = StandardEffectParameters();
    const TrailKeeping probed =
        ProbeTrailKeeping(kWidth, kHeight, [&window] { PresentBackBuffer(window.Dc()); });

    for (TrailKeeping keeping : {probed, TrailKeeping::Texture}) {
        EffectDrawing drawing;
        drawing.SetUp(SingleView(kWidth, kHeight), parameters, Random15(77), keeping);
        std::vector<unsigned char> before(kWidth * kHeight * 3);
        std::vector<unsigned char> after(before.size());
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        for (int frame = 0; frame < 20; ++frame) {
            drawing.DrawFrame();
            PresentBackBuffer(window.Dc());
        }
        drawing.DrawFrame();
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, before.data());
        PresentBackBuffer(window.Dc());
        drawing.Instances().clear();
        drawing.DrawFrame();
        glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, after.data());

        int checked = 0;
        for (size_t i = 0; i < before.size(); ++i) {
            if (before[i] > 100) {
                ASSERT_NEAR(after[i], before[i] * 0.647, 1.5) << i;
                ++checked;
            }
        }
        EXPECT_GT(checked, 100);
        drawing.TearDown();
    }
}

// Wine's GL is llvmpipe, a software GL whose swap copies: the renderer asks
// it about its back buffer once its window is on the screen and has been
// presented; until then the picture is kept in textures, and the answer
// takes the picture over.
TEST(Drawing, TheBackBufferIsProbedOnceTheWindowIsShownAndPresented) {
    constexpr int kWidth = 160;
    constexpr int kHeight = 120;
    GlWindow window(kWidth, kHeight, 0);
    ASSERT_TRUE(window.MakeContext());
    const GlTrust trust = TrustOfGl(CurrentGlIdentity());
    EXPECT_TRUE(trust.swap_copies && trust.round_smooth_points) << CurrentGlIdentity().renderer;
    const DrawableSize largest = CurrentLargestDrawable();
    EXPECT_GE(std::min(largest.width, largest.height), 4096);
    EffectParameters parameters = StandardEffectParameters();
    TrailKeepingChoice choice(trust.swap_copies);
    EffectDrawing drawing;
    drawing.SetUp(SingleView(kWidth, kHeight), parameters, Random15(5), choice.Keeping());
    const auto present = [&] {
        drawing.DrawFrame();
        PresentBackBuffer(window.Dc());
        choice.FramePresented();
    };
    present();
    EXPECT_FALSE(choice.ProbeDue(IsWindowVisible(window.Window()) != 0));
    ShowWindow(window.Window(), SW_SHOW);
    EXPECT_TRUE(choice.ProbeDue(IsWindowVisible(window.Window()) != 0));
    for (int i = 0; i < 20; ++i) {
        present();
    }
    const TrailKeeping probed =
        ProbeTrailKeeping(kWidth, kHeight, [&window] { PresentBackBuffer(window.Dc()); });
    choice.Probed(probed == TrailKeeping::BackBuffer);
    EXPECT_EQ(choice.Keeping(), TrailKeeping::BackBuffer)
        << "Wine's llvmpipe keeps the back buffer";
    drawing.ChangeKeeping(choice.Keeping());
    std::vector<unsigned char> picture(kWidth * kHeight * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, picture.data());
    int lit = 0;
    for (unsigned char channel : picture) {
        lit += channel > 24 ? 1 : 0;
    }
    EXPECT_GT(lit, kWidth * kHeight / 4) << "the picture is carried over the probe";
    drawing.TearDown();
}

// A power setting's change as the power manager tells it: the lparam of
// WM_POWERBROADCAST with PBT_POWERSETTINGCHANGE.
class PowerSettingChange {
  public:
    PowerSettingChange(const GUID& setting_guid, DWORD value) {
        auto* setting = reinterpret_cast<POWERBROADCAST_SETTING*>(buffer_);
        setting->PowerSetting = setting_guid;
        setting->DataLength = sizeof(DWORD);
        std::memcpy(setting->Data, &value, sizeof value);
    }
    LPARAM Lparam() const { return reinterpret_cast<LPARAM>(buffer_); }

  private:
    alignas(POWERBROADCAST_SETTING) unsigned char buffer_[sizeof(POWERBROADCAST_SETTING) +
                                                          sizeof(DWORD)] = {};
};

// The power manager's notification of the session's displays and the
// session's changes reach the presence rule; other settings, other power
// broadcasts and other messages do not.
TEST(PresenceNotifications, DisplayStatesAndSessionChangesBecomeEvents) {
    const auto display_event = [](DWORD state, const GUID& setting_guid) {
        return PresenceEventForMessage(WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE,
                                       PowerSettingChange(setting_guid, state).Lparam());
    };
    EXPECT_EQ(display_event(0, GUID_SESSION_DISPLAY_STATUS), PresenceEvent::DisplaysOff);
    EXPECT_EQ(display_event(2, GUID_SESSION_DISPLAY_STATUS), PresenceEvent::DisplaysDimmed);
    // The console's displays are not the session's (a remote session's user sees the picture).
    EXPECT_EQ(display_event(0, GUID_CONSOLE_DISPLAY_STATE), std::nullopt);
    EXPECT_EQ(display_event(0, GUID_ACDC_POWER_SOURCE), std::nullopt);
    EXPECT_EQ(PresenceEventForMessage(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0), std::nullopt);
    EXPECT_EQ(PresenceEventForMessage(WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, 0),
              PresenceEvent::SessionLocked);
    EXPECT_EQ(PresenceEventForMessage(WM_NULL, WTS_SESSION_LOCK, 0), std::nullopt);
}

// The power status's energy saver notification reaches the frame budget and
// is answered; the session's news is taken in and left to the presence rule.
TEST(FrameConditions, EnergySaverNotificationsChangeTheBudget) {
    const ScreenRect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    FrameBudgetFollower follower(CurrentFrameConditions({Monitor(screen)}, screen));
    const FrameBudget plain = follower.Budget();
    const auto tell_saver = [&follower](DWORD on) {
        // GUID_POWER_SAVING_STATUS, as the platform's documentation gives it.
        const GUID power_saving_status = {
            0xe00958c0, 0xc213, 0x4ace, {0xac, 0x77, 0xfe, 0xcc, 0xed, 0x2e, 0xee, 0xa5}};
        return FollowFrameConditions(WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE,
                                     PowerSettingChange(power_saving_status, on).Lparam(),
                                     follower);
    };
    FrameNewsAnswer news = tell_saver(1);
    EXPECT_TRUE(news.budget_changed && news.answered && news.answer == TRUE);
    EXPECT_LE(1e6 / follower.Budget().frame_interval_us, 31.5);
    EXPECT_TRUE(tell_saver(0).budget_changed);
    EXPECT_EQ(follower.Budget().frame_interval_us, plain.frame_interval_us);

    news = FollowFrameConditions(WM_WTSSESSION_CHANGE, WTS_REMOTE_CONNECT, 0, follower);
    EXPECT_FALSE(news.budget_changed || news.answered) << "Wine's session is the console";
}

// Every monitor listed has its area and a DPI, the system's where none is told.
TEST(DesktopMonitors, EachMonitorWithItsAreaAndDpi) {
    const std::vector<Monitor> monitors = DesktopMonitors();
    ASSERT_FALSE(monitors.empty());
    EXPECT_EQ(monitors.front().area,
              (ScreenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
    for (const Monitor& monitor : monitors) {
        EXPECT_GT(monitor.dpi, 0);
    }
    EXPECT_EQ(system_dlls::MonitorDpi(nullptr), system_dlls::SystemDpi());
}

// The resources of the shipped program, read from the file itself.
class ShippedResources : public ::testing::Test {
  protected:
    void SetUp() override {
        module = LoadLibraryExA(VELMORA_RENDERER_PATH, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << VELMORA_RENDERER_PATH;
    }
    void TearDown() override { FreeLibrary(module); }

    std::string Resource(LPCSTR type, LPCSTR name) {
        HRSRC found = FindResourceA(module, name, type);
        if (found == nullptr) {
            return {};
        }
        const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        return std::string(data, SizeofResource(module, found));
    }

    HMODULE module = nullptr;
};

TEST_F(ShippedResources, IconIsOneSixteenColourImageOf32By32) {
    const std::string group = Resource(RT_GROUP_ICON, MAKEINTRESOURCEA(IDI_RENDERER));
    ASSERT_GE(group.size(), 6u + 14u);
    EXPECT_EQ(group[4], 1) << "one image";
    EXPECT_EQ(static_cast<unsigned char>(group[6]), 32);
    EXPECT_EQ(static_cast<unsigned char>(group[7]), 32);
    EXPECT_EQ(static_cast<unsigned char>(group[8]), 16);
    EXPECT_EQ(group[12], 4) << "bits per pixel";
}

TEST_F(ShippedResources, VersionAndDpiAwareManifest) {
    const std::string version = Resource(RT_VERSION, MAKEINTRESOURCEA(1));
    EXPECT_FALSE(version.empty());
    const std::string manifest = Resource(RT_MANIFEST, MAKEINTRESOURCEA(1));
    EXPECT_NE(manifest.find("dpiAware"), std::string::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
}

}  // namespace
}  // namespace velmora::renderer
