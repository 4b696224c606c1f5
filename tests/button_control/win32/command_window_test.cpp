// The button control as a real child window: messages in, pixels and Click
// notifications out.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>

#include "button_control/win32/command_window.h"
#include "tests/support/win32_pixels.h"

namespace velmora::button_control {
namespace {

struct Rgb {
    int r, g, b;
};

void PrintTo(const Rgb& c, std::ostream* os) {
    *os << "RGB(" << c.r << ", " << c.g << ", " << c.b << ")";
}

bool Near(Rgb a, Rgb b, int tolerance = 2) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

#define EXPECT_RGB(actual, expected) EXPECT_PRED3(Near, actual, expected, 2)

constexpr Rgb kOutline{0, 60, 116};
constexpr Rgb kOrangeSide{252, 202, 105};
constexpr Rgb kBlueSide{169, 197, 239};
constexpr Rgb kBeige{236, 233, 216};
constexpr Rgb kDisabledOutline{201, 199, 186};
constexpr Rgb kHostBackground{10, 120, 30};

// What the control shows: its face with the caption, as WM_PRINTCLIENT draws it.
class Snapshot {
  public:
    explicit Snapshot(HWND window) : grid_(testing::PrintedClient(window)) {}

    Rgb At(int x, int y) const {
        const std::uint32_t p = grid_.At(x, y);
        return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                static_cast<int>(p & 0xFF)};
    }

    template <typename Pred>
    int Count(Pred pred) const {
        int n = 0;
        for (int y = 0; y < grid_.height; ++y) {
            for (int x = 0; x < grid_.width; ++x) {
                n += pred(At(x, y)) ? 1 : 0;
            }
        }
        return n;
    }

  private:
    testing::PixelGrid grid_;
};

int g_clicks = 0;
HWND g_clicked_window = nullptr;
int g_clicked_id = 0;
bool g_destroy_on_click = false;

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wparam) == BN_CLICKED) {
                ++g_clicks;
                g_clicked_id = LOWORD(wparam);
                g_clicked_window = reinterpret_cast<HWND>(lparam);
                if (g_destroy_on_click) {
                    DestroyWindow(g_clicked_window);
                }
            }
            return 0;
        case WM_ERASEBKGND:
        case WM_PRINTCLIENT: {
            RECT rect;
            GetClientRect(window, &rect);
            HBRUSH brush =
                CreateSolidBrush(RGB(kHostBackground.r, kHostBackground.g, kHostBackground.b));
            FillRect(reinterpret_cast<HDC>(wparam), &rect, brush);
            DeleteObject(brush);
            return 1;
        }
        default:
            return DefWindowProcA(window, message, wparam, lparam);
    }
}

void Pump(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
}

class CommandWindowTest : public ::testing::Test {
  protected:
    // One host window for the whole suite: destroying a top-level window
    // under Wine waits for the X server for a while.
    static void SetUpTestSuite() {
        WNDCLASSA host_class{};
        host_class.lpfnWndProc = HostProc;
        host_class.hInstance = GetModuleHandleA(nullptr);
        host_class.lpszClassName = "VelmoraButtonTestHost";
        RegisterClassA(&host_class);
        host = CreateWindowExA(0, "VelmoraButtonTestHost", "host", WS_POPUP | WS_VISIBLE, 100, 100,
                               300, 120, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        SetForegroundWindow(host);
    }

    static void TearDownTestSuite() { DestroyWindow(host); }

    void SetUp() override {
        ASSERT_NE(host, nullptr);
        other = CreateCommand(host, 8, 200, 70, 73, 25, &empty);
        // 1095 x 375 twips, like the dialog's buttons.
        PropertyBag layout;
        layout.WriteProperty("Caption", "\x90\xDD\x92\xE8", "Command");  // "設定"
        button = CreateCommand(host, 7, 20, 20, 73, 25, &layout);
        ASSERT_NE(button, nullptr);
        command = CommandFromWindow(button);
        ASSERT_NE(command, nullptr);
        command->Initialize();
        SetFocus(host);
        MoveCursorOutside();
        Pump(50);
        g_clicks = 0;
        g_destroy_on_click = false;
    }

    void TearDown() override {
        for (HWND child : {button, other}) {
            if (IsWindow(child)) {
                DestroyWindow(child);
            }
        }
        SetFocus(host);
    }

    void Send(UINT message, WPARAM wparam = 0, int x = 10, int y = 10) {
        SendMessageA(button, message, wparam, MAKELPARAM(x, y));
    }

    void MoveCursorOutside() { SetCursorPos(5, 5); }
    void MoveCursorOnButton() {
        POINT p{36, 12};
        ClientToScreen(button, &p);
        SetCursorPos(p.x, p.y);
    }

    static inline HWND host = nullptr;
    PropertyBag empty;
    HWND button = nullptr;
    HWND other = nullptr;
    Command* command = nullptr;
};

// Expected gradient colour of a face row: white at the top to lavender grey
// at row H - 2 (the fill stops short of vertex 1's row).
Rgb GradientRow(int y, bool hover) {
    const Rgb white{255, 255, 255}, lavender{198, 197, 215};
    const Rgb top = hover ? lavender : white, bottom = hover ? white : lavender;
    auto mix = [y](int a, int b) { return a + (b - a) * y / 24; };
    return {mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b)};
}

TEST_F(CommandWindowTest, RegisteredUnderItsClassName) {
    char name[64];
    GetClassNameA(button, name, sizeof name);
    EXPECT_STREQ(name, "Velmora.Command");
    EXPECT_EQ(CommandFromWindow(host), nullptr);
}

TEST_F(CommandWindowTest, NormalFrameOverWhiteToLavenderGradient) {
    const Snapshot face(button);
    EXPECT_RGB(face.At(1, 12), kOutline);
    EXPECT_RGB(face.At(71, 12), kOutline);
    EXPECT_RGB(face.At(36, 1), kOutline);
    EXPECT_RGB(face.At(36, 23), kOutline);
    EXPECT_RGB(face.At(36, 0), (Rgb{220, 214, 194}));
    EXPECT_RGB(face.At(1, 1), (Rgb{122, 149, 168}));
    EXPECT_RGB(face.At(70, 12), (Rgb{232, 229, 223}));  // the soft shade on the right
    // Inside the frame the gradient shows, away from the centred caption.
    for (int y : {4, 12, 20}) {
        EXPECT_RGB(face.At(6, y), GradientRow(y, false)) << "row " << y;
    }
    EXPECT_RGB(face.At(6, 4), (Rgb{245, 245, 248}));
    EXPECT_RGB(face.At(6, 20), (Rgb{208, 207, 222}));
    // The caption: dark text pixels in the middle.
    EXPECT_GT(face.Count([](Rgb c) { return c.r < 80 && c.g < 80 && c.b < 80; }), 15);
}

TEST_F(CommandWindowTest, HoverShowsTheOrangeRimAndReversedGradient) {
    Send(WM_MOUSEMOVE);
    EXPECT_EQ(command->State().ButtonState, StateHover);
    const Snapshot face(button);
    EXPECT_RGB(face.At(2, 12), kOrangeSide);
    EXPECT_RGB(face.At(70, 12), kOrangeSide);
    EXPECT_RGB(face.At(36, 22), (Rgb{229, 151, 0}));
    EXPECT_RGB(face.At(6, 4), GradientRow(4, true));
    EXPECT_RGB(face.At(6, 20), GradientRow(20, true));
}

TEST_F(CommandWindowTest, LeftClickPressesFocusesAndClicksOnce) {
    Send(WM_MOUSEMOVE);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(GetFocus(), button);
    EXPECT_EQ(GetCapture(), button);
    EXPECT_EQ(command->State().ButtonState, StateFocusHover);
    const Snapshot pressed(button);
    EXPECT_RGB(pressed.At(0, 12), kBeige);
    EXPECT_RGB(pressed.At(2, 12), kOutline);
    EXPECT_RGB(pressed.At(36, 3), (Rgb{209, 204, 193}));
    EXPECT_EQ(g_clicks, 0);

    Send(WM_LBUTTONUP);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(g_clicks, 1);
    EXPECT_EQ(g_clicked_id, 7);
    EXPECT_EQ(g_clicked_window, button);
    const Snapshot released(button);
    EXPECT_RGB(released.At(2, 12), kOrangeSide);  // HighLightSelect
}

TEST_F(CommandWindowTest, DoubleClickClicksTwiceWithoutASecondPress) {
    Send(WM_MOUSEMOVE);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    Send(WM_LBUTTONUP);
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON);
    EXPECT_FALSE(command->State().MouseIsDown);
    EXPECT_RGB(Snapshot(button).At(2, 12), kOrangeSide);  // no Pressed picture
    Send(WM_LBUTTONUP);
    EXPECT_EQ(g_clicks, 2);
}

TEST_F(CommandWindowTest, RightAndMiddleReleasesClick) {
    Send(WM_MOUSEMOVE);
    Send(WM_RBUTTONDOWN, MK_RBUTTON);
    EXPECT_NE(GetFocus(), button);
    EXPECT_RGB(Snapshot(button).At(2, 12), kOrangeSide);
    Send(WM_RBUTTONUP);
    Send(WM_MBUTTONDOWN, MK_MBUTTON);
    Send(WM_MBUTTONUP);
    EXPECT_EQ(g_clicks, 2);
}

TEST_F(CommandWindowTest, KeysRaiseNothing) {
    SetFocus(button);
    EXPECT_EQ(command->State().ButtonState, StateFocus);
    EXPECT_RGB(Snapshot(button).At(2, 12), kBlueSide);  // Selected
    for (WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_SPACE}}) {
        SendMessageA(button, WM_KEYDOWN, key, 0);
        SendMessageA(button, WM_CHAR, key, 0);
        SendMessageA(button, WM_KEYUP, key, 0);
    }
    EXPECT_EQ(g_clicks, 0);
}

TEST_F(CommandWindowTest, FocusLostReturnsToNormal) {
    SetFocus(button);
    SetFocus(other);
    EXPECT_EQ(command->State().ButtonState, StateNormal);
    EXPECT_RGB(Snapshot(button).At(2, 12), (Rgb{243, 243, 238}));  // Normal's inside
}

TEST_F(CommandWindowTest, PollEndsTheHoverOnceTheCursorIsElsewhere) {
    MoveCursorOnButton();
    Send(WM_MOUSEMOVE);
    Pump(350);
    EXPECT_EQ(command->State().ButtonState, StateHover) << "the cursor is still over it";
    // Over another control with a window of its own counts as outside.
    POINT on_other{30, 12};
    ClientToScreen(other, &on_other);
    SetCursorPos(on_other.x, on_other.y);
    Pump(350);
    EXPECT_EQ(command->State().ButtonState, StateNormal);
    EXPECT_RGB(Snapshot(button).At(6, 4), GradientRow(4, false));
    // So does the parent form.
    Send(WM_MOUSEMOVE);
    EXPECT_EQ(command->State().ButtonState, StateHover);
    POINT on_host{150, 5};
    ClientToScreen(host, &on_host);
    SetCursorPos(on_host.x, on_host.y);
    Pump(350);
    EXPECT_EQ(command->State().ButtonState, StateNormal);
}

TEST_F(CommandWindowTest, PressDraggedOffPastATickIsCancelled) {
    MoveCursorOnButton();
    Send(WM_MOUSEMOVE);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    MoveCursorOutside();
    Send(WM_MOUSEMOVE, MK_LBUTTON, -50, -50);  // moves off the control do not hover
    Pump(350);
    EXPECT_EQ(command->State().ButtonState, StateFocus);
    Send(WM_LBUTTONUP, 0, -50, -50);
    EXPECT_EQ(g_clicks, 0);
    EXPECT_RGB(Snapshot(button).At(2, 12), kBlueSide);
}

TEST_F(CommandWindowTest, DisabledShowsDisableWithGreyTextAndIgnoresTheMouse) {
    Send(WM_MOUSEMOVE);
    command->Enabled(false);
    const Snapshot face(button);
    EXPECT_RGB(face.At(1, 12), kDisabledOutline);
    EXPECT_RGB(face.At(0, 12), kBeige);
    EXPECT_EQ(face.Count([](Rgb c) { return c.r < 80 && c.g < 80 && c.b < 80; }), 0);
    EXPECT_GT(face.Count([](Rgb c) { return c.r > 100 && c.r < 170 && c.r == c.g; }), 10);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    Send(WM_LBUTTONUP);
    Send(WM_RBUTTONUP);
    Pump(250);
    EXPECT_EQ(g_clicks, 0);
    EXPECT_NE(GetFocus(), button);
    EXPECT_RGB(Snapshot(button).At(1, 12), kDisabledOutline);
}

TEST_F(CommandWindowTest, RedCaptionAndTransparentBackground) {
    command->FontColour(255);
    EXPECT_GT(Snapshot(button).Count([](Rgb c) { return c.r > 200 && c.g < 60 && c.b < 60; }), 10);
    command->Visible(false);
    const Snapshot face(button);
    EXPECT_RGB(face.At(1, 12), kHostBackground);
    EXPECT_RGB(face.At(6, 6), kHostBackground);
}

TEST_F(CommandWindowTest, ControlMayBeDestroyedByItsClickHandler) {
    g_destroy_on_click = true;
    Send(WM_MOUSEMOVE);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    Send(WM_LBUTTONUP);
    EXPECT_EQ(g_clicks, 1);
    EXPECT_FALSE(IsWindow(button));
}

TEST_F(CommandWindowTest, FreshlyPlacedControlIsDisabledUntilEnabledIsRead) {
    HWND fresh = CreateCommand(host, 9, 120, 70, 73, 21, nullptr);
    ASSERT_NE(fresh, nullptr);
    Command* fresh_command = CommandFromWindow(fresh);
    EXPECT_RGB(Snapshot(fresh).At(1, 10), kDisabledOutline);
    EXPECT_TRUE(fresh_command->Enabled());
    EXPECT_RGB(Snapshot(fresh).At(1, 10), kOutline);
    // 315 twips high: the caption sits 50 twips down.
    EXPECT_DOUBLE_EQ(fresh_command->LblMsg().Top, 50);
    DestroyWindow(fresh);
}

}  // namespace
}  // namespace velmora::button_control
