// The push button as a real child window: messages in, pixels and Click
// notifications out.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

#include "button_control/win32/push_button_window.h"
#include "contract/run_contract.h"
#include "tests/support/win32_windows.h"
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

// A modal message box owned by the host, closed by an OK posted to it.
constexpr char kMessageCaption[] = "Velmora button test";

void CALLBACK PostOkToTheMessage(HWND, UINT, UINT_PTR timer, DWORD) {
    if (HWND box = FindWindowA("#32770", kMessageCaption)) {
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        KillTimer(nullptr, timer);
    }
}

class PushButtonWindowTest : public ::testing::Test {
  protected:
    // One host window for the whole suite (destroying a top-level window
    // under Wine waits for the X server for a while), with a group inside it
    // as the dialog has one.
    static void SetUpTestSuite() {
        host = new testing::HostWindow(nullptr, {100, 100, 400, 220},
                                       RGB(kHostBackground.r, kHostBackground.g, kHostBackground.b),
                                       WS_POPUP | WS_VISIBLE);
        group = new testing::HostWindow(host->Handle(), {10, 10, 120, 60}, RGB(0, 0, 0),
                                        WS_CHILD | WS_VISIBLE);
        host->on_command = [](WPARAM wparam, LPARAM lparam) {
            if (HIWORD(wparam) != BN_CLICKED) {
                return;
            }
            clicks.push_back(LOWORD(wparam));
            if (message_on_click) {
                ShowMessageClosedByAPostedOk();
            }
            if (destroy_on_click) {
                DestroyWindow(reinterpret_cast<HWND>(lparam));
            }
        };
        group->on_command = host->on_command;
        SetForegroundWindow(host->Handle());
    }

    static void ShowMessageClosedByAPostedOk() {
        SetTimer(nullptr, 0, 200, PostOkToTheMessage);
        MessageBoxA(host->Handle(), "The settings could not be saved.", kMessageCaption, MB_OK);
    }

    static void TearDownTestSuite() {
        delete group;
        delete host;
    }

    void SetUp() override {
        // 1095 x 375 twips, like the dialog's buttons.
        PropertyBag layout;
        layout.WriteProperty("Caption", "\x90\xDD\x92\xE8", "Command");  // "設定"
        button = CreatePushButton(host->Handle(), 7, 20, 80, 73, 25, &layout);
        other = CreatePushButton(host->Handle(), 8, 200, 80, 73, 25, &layout);
        ASSERT_NE(button, nullptr);
        shell = PushButtonFromWindow(button);
        ASSERT_NE(shell, nullptr);
        shell->Initialize();
        SetFocus(host->Handle());
        MoveCursorOutside();
        testing::PumpMessages(50);
        clicks.clear();
        destroy_on_click = false;
        message_on_click = false;
    }

    void TearDown() override {
        for (HWND child : {button, other}) {
            if (IsWindow(child)) {
                DestroyWindow(child);
            }
        }
        SetFocus(host->Handle());
    }

    void Send(UINT message, WPARAM wparam = 0, int x = 10, int y = 10) {
        SendMessageA(button, message, wparam, MAKELPARAM(x, y));
    }
    ButtonState State() const { return shell->Button().Fields().state; }

    void MoveCursorOutside() { SetCursorPos(5, 5); }
    void MoveCursorOnButton() {
        POINT p{36, 12};
        ClientToScreen(button, &p);
        SetCursorPos(p.x, p.y);
    }

    static inline testing::HostWindow* host = nullptr;
    static inline testing::HostWindow* group = nullptr;
    static inline std::vector<int> clicks;  // control ids, in order
    static inline bool destroy_on_click = false;
    static inline bool message_on_click = false;  // as a failed save answers
    HWND button = nullptr;
    HWND other = nullptr;
    PushButtonWindow* shell = nullptr;
};

// Expected gradient colour of a face row: white at the top to lavender grey
// at row H - 2 (the fill stops short of vertex 1's row).
Rgb GradientRow(int y, bool hover) {
    const Rgb white{255, 255, 255}, lavender{198, 197, 215};
    const Rgb top = hover ? lavender : white, bottom = hover ? white : lavender;
    auto mix = [y](int a, int b) { return a + (b - a) * y / 24; };
    return {mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b)};
}

TEST_F(PushButtonWindowTest, RegisteredUnderItsClassName) {
    char name[64];
    GetClassNameA(button, name, sizeof name);
    EXPECT_STREQ(name, contract::kPushButtonClass);
    EXPECT_EQ(PushButtonFromWindow(host->Handle()), nullptr);
}

TEST_F(PushButtonWindowTest, NormalFrameOverWhiteToLavenderGradient) {
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
    // The caption: dark text pixels in the middle.
    EXPECT_GT(face.Count([](Rgb c) { return c.r < 80 && c.g < 80 && c.b < 80; }), 15);
}

TEST_F(PushButtonWindowTest, HoverShowsTheOrangeRimAndReversedGradient) {
    Send(WM_MOUSEMOVE);
    EXPECT_EQ(State(), ButtonState::Hover);
    const Snapshot face(button);
    EXPECT_RGB(face.At(2, 12), kOrangeSide);
    EXPECT_RGB(face.At(70, 12), kOrangeSide);
    EXPECT_RGB(face.At(36, 22), (Rgb{229, 151, 0}));
    EXPECT_RGB(face.At(6, 4), GradientRow(4, true));
    EXPECT_RGB(face.At(6, 20), GradientRow(20, true));
}

TEST_F(PushButtonWindowTest, LeftClickPressesFocusesAndClicksOnce) {
    Send(WM_MOUSEMOVE);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(GetFocus(), button);
    EXPECT_EQ(GetCapture(), button);
    EXPECT_EQ(State(), ButtonState::FocusHover);
    const Snapshot pressed(button);
    EXPECT_RGB(pressed.At(0, 12), kBeige);
    EXPECT_RGB(pressed.At(2, 12), kOutline);
    EXPECT_RGB(pressed.At(36, 3), (Rgb{209, 204, 193}));
    EXPECT_TRUE(clicks.empty());

    Send(WM_LBUTTONUP);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(clicks, std::vector<int>{7});
    const Snapshot released(button);
    EXPECT_RGB(released.At(2, 12), kOrangeSide);  // HighLightSelect
}

// Every mouse button's messages reach the button, a double click as a second
// press; only the left press takes the focus, and each release lets go of
// the capture.
TEST_F(PushButtonWindowTest, EveryMouseButtonsMessagesReachTheButton) {
    Send(WM_MOUSEMOVE);
    for (auto [down, up] :
         {std::pair{WM_RBUTTONDOWN, WM_RBUTTONUP}, std::pair{WM_RBUTTONDBLCLK, WM_RBUTTONUP},
          std::pair{WM_MBUTTONDOWN, WM_MBUTTONUP}, std::pair{WM_MBUTTONDBLCLK, WM_MBUTTONUP},
          std::pair{WM_LBUTTONDOWN, WM_LBUTTONUP}, std::pair{WM_LBUTTONDBLCLK, WM_LBUTTONUP}}) {
        Send(down);
        EXPECT_EQ(GetFocus() == button, down == WM_LBUTTONDOWN || down == WM_LBUTTONDBLCLK);
        Send(up);
        EXPECT_EQ(GetCapture(), nullptr);
    }
    EXPECT_EQ(clicks.size(), 6u);
}

// Released off the button (where the capture still sends it) or released
// without a press seen here: no click, now or later.
TEST_F(PushButtonWindowTest, ReleaseOffTheButtonOrWithoutItsPressDoesNotClick) {
    Send(WM_MOUSEMOVE);
    for (auto [down, up] :
         {std::pair{WM_LBUTTONDOWN, WM_LBUTTONUP}, std::pair{WM_RBUTTONDOWN, WM_RBUTTONUP},
          std::pair{WM_MBUTTONDOWN, WM_MBUTTONUP}}) {
        Send(down);
        Send(up, 0, -40, 30);
        EXPECT_EQ(GetCapture(), nullptr);
        Send(up);
    }
    EXPECT_TRUE(clicks.empty());
    // A capture taken away mid-press cancels it.
    Send(WM_RBUTTONDOWN, MK_RBUTTON);
    SetCapture(other);
    ReleaseCapture();
    Send(WM_RBUTTONUP);
    EXPECT_TRUE(clicks.empty());
}

// The focused button hands the focus on before it is disabled; enabled
// again, it answers the first click.
TEST_F(PushButtonWindowTest, DisablingMovesTheFocusToTheNextControl) {
    HWND chooser = CreatePushButton(group->Handle(), 9, 10, 10, 29, 21, nullptr);
    PushButtonWindow* chooser_shell = PushButtonFromWindow(chooser);
    chooser_shell->Initialize();
    EXPECT_TRUE(chooser_shell->Enabled());
    SendMessageA(chooser, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(chooser, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(chooser, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_EQ(GetFocus(), chooser);
    chooser_shell->SetEnabled(false);
    EXPECT_EQ(GetFocus(), button);  // next in tab order, out of the group
    EXPECT_FALSE(IsWindowEnabled(chooser));
    chooser_shell->SetEnabled(true);
    SendMessageA(chooser, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(chooser, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(chooser, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(clicks, (std::vector<int>{9, 9}));
    DestroyWindow(chooser);
}

TEST_F(PushButtonWindowTest, SpaceAndEnterClickTheFocusedButtonAsAPushButton) {
    wchar_t text[16] = {};
    GetWindowTextW(button, text, 16);
    EXPECT_STREQ(text, L"\u8A2D\u5B9A");  // the caption "設定", for screen readers
    const auto dialog_code = [this] { return SendMessageW(button, WM_GETDLGCODE, 0, 0); };
    EXPECT_EQ(dialog_code(), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
    SetFocus(button);
    EXPECT_EQ(dialog_code(), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);

    Send(WM_KEYDOWN, VK_SPACE);
    Send(WM_KEYDOWN, VK_SPACE);                                    // auto-repeat
    EXPECT_RGB(Snapshot(button).At(36, 3), (Rgb{209, 204, 193}));  // Pressed
    EXPECT_TRUE(clicks.empty());
    Send(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(clicks, std::vector<int>{7});
    EXPECT_RGB(Snapshot(button).At(2, 12), kBlueSide);  // Selected again

    Send(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(clicks, (std::vector<int>{7, 7}));
    // The dialog keys: Enter goes to the focused default button, once.
    MSG enter{button, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    EXPECT_TRUE(IsDialogMessageA(host->Handle(), &enter));
    EXPECT_EQ(clicks, (std::vector<int>{7, 7, 7}));

    // Space released after the focus left clicks nothing.
    Send(WM_KEYDOWN, VK_SPACE);
    SetFocus(other);
    Send(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(clicks.size(), 3u);
}

TEST_F(PushButtonWindowTest, PollEndsTheHoverOnceTheCursorIsElsewhere) {
    MoveCursorOnButton();
    Send(WM_MOUSEMOVE);
    testing::PumpMessages(350);
    EXPECT_EQ(State(), ButtonState::Hover) << "the cursor is still over it";
    // Over another control with a window of its own counts as outside.
    POINT on_other{30, 12};
    ClientToScreen(other, &on_other);
    SetCursorPos(on_other.x, on_other.y);
    testing::PumpMessages(350);
    EXPECT_EQ(State(), ButtonState::Normal);
    EXPECT_RGB(Snapshot(button).At(6, 4), GradientRow(4, false));
    // So does the parent form.
    Send(WM_MOUSEMOVE);
    EXPECT_EQ(State(), ButtonState::Hover);
    POINT on_host{150, 5};
    ClientToScreen(host->Handle(), &on_host);
    SetCursorPos(on_host.x, on_host.y);
    testing::PumpMessages(350);
    EXPECT_EQ(State(), ButtonState::Normal);
}

TEST_F(PushButtonWindowTest, DisabledShowsDisableWithGreyTextAndIgnoresTheMouse) {
    Send(WM_MOUSEMOVE);
    shell->SetEnabled(false);
    const Snapshot face(button);
    EXPECT_RGB(face.At(1, 12), kDisabledOutline);
    EXPECT_RGB(face.At(0, 12), kBeige);
    EXPECT_EQ(face.Count([](Rgb c) { return c.r < 80 && c.g < 80 && c.b < 80; }), 0);
    EXPECT_GT(face.Count([](Rgb c) { return c.r > 100 && c.r < 170 && c.r == c.g; }), 10);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    Send(WM_LBUTTONUP);
    Send(WM_RBUTTONUP);
    testing::PumpMessages(250);
    EXPECT_TRUE(clicks.empty());
    EXPECT_NE(GetFocus(), button);
    EXPECT_RGB(Snapshot(button).At(1, 12), kDisabledOutline);
}

TEST_F(PushButtonWindowTest, RedCaptionAndTransparentBackground) {
    shell->SetFontColour(255);
    EXPECT_GT(Snapshot(button).Count([](Rgb c) { return c.r > 200 && c.g < 60 && c.b < 60; }), 10);
    shell->SetVisible(false);
    const Snapshot face(button);
    EXPECT_RGB(face.At(1, 12), kHostBackground);
    EXPECT_RGB(face.At(6, 6), kHostBackground);
}

TEST_F(PushButtonWindowTest, ControlMayBeDestroyedByItsClickHandler) {
    destroy_on_click = true;
    Send(WM_MOUSEMOVE);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    Send(WM_LBUTTONUP);
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_FALSE(IsWindow(button));
}

// The Click handler shows a modal message, which takes the focus and disables
// the host. Closed by a posted OK, with the cursor resting on the button and
// the focus put back on it: no move comes, yet the next click counts.
TEST_F(PushButtonWindowTest, ClickAfterAModalMessageFromTheClickHandlerCounts) {
    message_on_click = true;
    MoveCursorOnButton();
    Send(WM_MOUSEMOVE);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    Send(WM_LBUTTONUP);
    message_on_click = false;
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_NE(GetFocus(), button);
    SetFocus(button);  // as the dialog puts the focus back where it was
    testing::PumpMessages(350);
    EXPECT_EQ(State(), ButtonState::FocusHover);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    Send(WM_LBUTTONUP);
    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(PushButtonWindowTest, FreshlyPlacedControlIsDisabledUntilEnabledIsRead) {
    HWND fresh = CreatePushButton(host->Handle(), 9, 120, 80, 73, 21, nullptr);
    ASSERT_NE(fresh, nullptr);
    PushButtonWindow* fresh_shell = PushButtonFromWindow(fresh);
    EXPECT_RGB(Snapshot(fresh).At(1, 10), kDisabledOutline);
    EXPECT_TRUE(fresh_shell->Enabled());
    EXPECT_RGB(Snapshot(fresh).At(1, 10), kOutline);
    // 315 twips high: the caption sits 50 twips down.
    EXPECT_DOUBLE_EQ(fresh_shell->Button().Label().top, 50);
    DestroyWindow(fresh);
}

}  // namespace
}  // namespace velmora::button_control
