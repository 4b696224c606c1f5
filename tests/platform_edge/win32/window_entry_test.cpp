// A window whose handling throws, and its object kept from its creation on,
// through the platform's own message dispatch.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "platform_edge/win32/guarded_entry.h"
#include "platform_edge/win32/window_owner.h"

namespace velmora::platform_edge {
namespace {

constexpr char kClassName[] = "Velmora.EdgeTest";

struct Owner {
    UINT throw_on = 0;
    std::vector<UINT> seen;  // the messages that reached the owner
};

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    Owner* owner = OwnerOf<Owner>(window, message, lparam);
    if (owner != nullptr) {
        owner->seen.push_back(message);
        if (message == owner->throw_on) {
            throw std::runtime_error("handling failed");
        }
    }
    return message == WM_APP ? 42 : DefWindowProcA(window, message, wparam, lparam);
}

HWND Create(Owner& owner) {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = GuardedWindowProc<Procedure>;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = kClassName;
    RegisterClassA(&window_class);
    return CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), &owner);
}

TEST(WindowEntry, TheOwnerSeesEveryMessageFromCreationOn) {
    Owner owner;
    HWND window = Create(owner);
    ASSERT_NE(window, nullptr);
    ASSERT_FALSE(owner.seen.empty());
    EXPECT_EQ(owner.seen.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(SendMessageA(window, WM_APP, 0, 0), 42);
    DestroyWindow(window);
    EXPECT_EQ(owner.seen.back(), static_cast<UINT>(WM_NCDESTROY));
}

TEST(WindowEntry, AThrowingMessageIsAnsweredWithZeroAndTheWindowGoesOn) {
    Owner owner;
    owner.throw_on = WM_APP;
    HWND window = Create(owner);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendMessageA(window, WM_APP, 0, 0), 0);
    owner.throw_on = 0;
    EXPECT_EQ(SendMessageA(window, WM_APP, 0, 0), 42);
    DestroyWindow(window);

    // A creation whose first message throws makes no window.
    owner.throw_on = WM_NCCREATE;
    EXPECT_EQ(Create(owner), nullptr);
}

}  // namespace
}  // namespace velmora::platform_edge
