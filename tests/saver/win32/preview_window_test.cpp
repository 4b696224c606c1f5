// The preview form in a host window of this process, where the platform draws
// it: place, size, the picture's pixels, and the end with the host.
#include <windows.h>

#include <memory>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "contract/run_contract.h"
#include "saver/core/preview_geometry.h"
#include "saver/win32/resource_ids.h"
#include "saver/win32/preview_window.h"
#include "system_dlls/win32/load_system_dll.h"
#include "tests/support/win32_pixels.h"
#include "tests/support/win32_windows.h"

namespace velmora::saver {
namespace {

using Pixels = std::vector<std::uint32_t>;  // 0x00RRGGBB, top-down rows

Pixels WindowPixels(HWND window, int width, int height) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(window);
    Pixels pixels = testing::CopiedPixels(dc, width, height).pixels;
    ReleaseDC(window, dc);
    return pixels;
}

// The still as the program carries it.
Pixels StillPixels() {
    HBITMAP still = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr),
                                                    MAKEINTRESOURCEA(IDB_PREVIEW_STILL),
                                                    IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!still) {
        return {};
    }
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, still);
    Pixels pixels = testing::CopiedPixels(memory, kPreviewStillWidth, kPreviewStillHeight).pixels;
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(still);
    return pixels;
}

std::int32_t HostNumber(HWND host) {
    return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(host));
}

class PreviewWindowTest : public ::testing::Test {
  protected:
    void TearDown() override {
        if (IsWindow(host)) {
            DestroyWindow(host);
        }
        testing::DropMessages();
    }
    HWND Show(int x, int y, int width, int height) {
        host_window = std::make_unique<testing::HostWindow>(
            nullptr, RECT{x, y, x + width, y + height}, RGB(255, 255, 255), WS_POPUP | WS_VISIBLE);
        host = host_window->Handle();
        testing::PumpMessages(200);
        preview.Show(HostNumber(host));
        testing::PumpMessages(200);
        return preview.Window();
    }
    std::unique_ptr<testing::HostWindow> host_window;
    HWND host = nullptr;
    PreviewWindow preview;
};

TEST_F(PreviewWindowTest, FormIsAVisibleChildAtTheHostsOriginWithItsSize) {
    HWND form = Show(130, 90, 300, 200);
    ASSERT_TRUE(IsWindow(form));
    EXPECT_EQ(GetParent(form), host);
    EXPECT_TRUE(GetWindowLongA(form, GWL_STYLE) & WS_CHILD);
    EXPECT_TRUE(IsWindowVisible(form));
    char caption[64] = {};
    GetWindowTextA(form, caption, sizeof caption);
    EXPECT_STREQ(caption, "Preview Window");
    RECT form_rect{}, host_rect{};
    GetWindowRect(form, &form_rect);
    GetWindowRect(host, &host_rect);
    EXPECT_EQ(form_rect.left, host_rect.left);
    EXPECT_EQ(form_rect.top, host_rect.top);
    EXPECT_EQ(form_rect.right - form_rect.left, 300);
    EXPECT_EQ(form_rect.bottom - form_rect.top, 200);
}

TEST_F(PreviewWindowTest, TheStillFillsAHostOfItsSize) {
    HWND form = Show(40, 40, kPreviewStillWidth, kPreviewStillHeight);
    const Pixels still = StillPixels();
    ASSERT_FALSE(still.empty());
    const Pixels shown = WindowPixels(form, kPreviewStillWidth, kPreviewStillHeight);
    int bright = 0;
    for (std::size_t i = 0; i < still.size(); ++i) {
        ASSERT_EQ(shown[i], still[i])
            << "pixel " << i % kPreviewStillWidth << "," << i / kPreviewStillWidth;
        bright += (still[i] & 0xFF) + ((still[i] >> 8) & 0xFF) + (still[i] >> 16) > 150;
    }
    EXPECT_GT(bright, 50) << "the still shows spots of light";
}

TEST_F(PreviewWindowTest, ALargerHostShowsBlackBeyondTheStill) {
    constexpr int kWidth = 260, kHeight = 190;
    HWND form = Show(200, 150, kWidth, kHeight);
    const Pixels still = StillPixels();
    ASSERT_FALSE(still.empty());
    const Pixels shown = WindowPixels(form, kWidth, kHeight);
    int non_black_beyond = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const std::uint32_t pixel = shown[y * kWidth + x];
            if (x < kPreviewStillWidth && y < kPreviewStillHeight) {
                ASSERT_EQ(pixel, still[y * kPreviewStillWidth + x]) << x << "," << y;
            } else {
                non_black_beyond += pixel != 0;
            }
        }
    }
    EXPECT_EQ(non_black_beyond, 0);
}

TEST_F(PreviewWindowTest, ASmallerHostShowsTheStillsTopLeftPart) {
    HWND form = Show(60, 60, 100, 70);
    RECT rect{};
    GetClientRect(form, &rect);
    EXPECT_EQ(rect.right, 100);
    EXPECT_EQ(rect.bottom, 70);
    const Pixels still = StillPixels();
    ASSERT_FALSE(still.empty());
    const Pixels shown = WindowPixels(form, 100, 70);
    for (int y = 0; y < 70; ++y) {
        for (int x = 0; x < 100; ++x) {
            ASSERT_EQ(shown[y * 100 + x], still[y * kPreviewStillWidth + x]) << x << "," << y;
        }
    }
}

using Awareness = DPI_AWARENESS_CONTEXT;

template <typename Function>
Function User32(const char* name) {
    return reinterpret_cast<Function>(system_dlls::OptionalSystemFunction(L"user32.dll", name));
}

const auto kSetThreadAwareness =
    User32<Awareness(WINAPI*)(Awareness)>("SetThreadDpiAwarenessContext");
const auto kThreadAwareness = User32<Awareness(WINAPI*)()>("GetThreadDpiAwarenessContext");
const auto kWindowAwareness = User32<Awareness(WINAPI*)(HWND)>("GetWindowDpiAwarenessContext");
const auto kSameAwareness =
    User32<BOOL(WINAPI*)(Awareness, Awareness)>("AreDpiAwarenessContextsEqual");

// The thread's awareness when the form was made (Wine gives a child its
// parent's awareness later, whatever it was made in).
Awareness g_awareness_at_creation = nullptr;

LRESULT CALLBACK NoteFormCreation(int code, WPARAM wparam, LPARAM lparam) {
    char name[32] = {};
    if (code == HCBT_CREATEWND &&
        GetClassNameA(reinterpret_cast<HWND>(wparam), name, sizeof name) &&
        lstrcmpA(name, contract::kPreviewWindowClass) == 0) {
        g_awareness_at_creation = kThreadAwareness();
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

// The form is made in its host's DPI awareness, not in the program's own,
// which the thread has again afterwards; it comes up in a host of each.
TEST(PreviewAwareness, TheFormIsMadeInTheAwarenessOfItsHost) {
    ASSERT_TRUE(kSetThreadAwareness && kThreadAwareness && kWindowAwareness && kSameAwareness);
    HHOOK hook = SetWindowsHookExA(WH_CBT, NoteFormCreation, nullptr, GetCurrentThreadId());
    const Awareness own = kThreadAwareness();
    for (const Awareness awareness :
         {DPI_AWARENESS_CONTEXT_UNAWARE, DPI_AWARENESS_CONTEXT_SYSTEM_AWARE,
          DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE}) {
        SCOPED_TRACE(::testing::Message() << awareness);
        kSetThreadAwareness(awareness);
        testing::HostWindow host(nullptr, RECT{50, 50, 202, 162}, RGB(255, 255, 255),
                                 WS_POPUP | WS_VISIBLE);
        kSetThreadAwareness(own);
        g_awareness_at_creation = nullptr;
        PreviewWindow preview;
        preview.Show(HostNumber(host.Handle()));
        testing::PumpMessages(100);
        HWND form = preview.Window();
        ASSERT_TRUE(IsWindow(form));
        ASSERT_NE(g_awareness_at_creation, nullptr);
        EXPECT_TRUE(kSameAwareness(g_awareness_at_creation, kWindowAwareness(host.Handle())));
        EXPECT_TRUE(kSameAwareness(kThreadAwareness(), own));
        EXPECT_TRUE(IsWindowVisible(form));
        RECT client{};
        GetClientRect(form, &client);
        EXPECT_EQ(client.right, kPreviewStillWidth);
        EXPECT_EQ(client.bottom, kPreviewStillHeight);
        DestroyWindow(host.Handle());
        testing::DropMessages();
    }
    UnhookWindowsHookEx(hook);
}

TEST_F(PreviewWindowTest, TheMessageLoopEndsWhenTheHostIsDestroyed) {
    HWND form = Show(10, 10, 152, 112);
    DestroyWindow(host);
    EXPECT_FALSE(IsWindow(form));
    EXPECT_TRUE(testing::PumpMessages(500));
}

}  // namespace
}  // namespace velmora::saver
