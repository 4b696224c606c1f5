// The session's named locks, held by threads that end without letting go, as
// a program's process does.

#include "platform_edge/win32/named_lock.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>

namespace velmora::platform_edge {
namespace {

constexpr wchar_t kLock[] = L"Local\\Velmora named lock test";

bool HeldElsewhereOnThread(LockUse use) {
    bool held = false;
    std::thread([&] { held = HeldElsewhere(kLock, use); }).join();
    return held;
}

TEST(NamedLock, OneHolderAtATimeALookTakesNothingAndAnEndedHoldersLockIsTakenOver) {
    EXPECT_FALSE(HeldElsewhereOnThread(LockUse::Look)) << "a lock nobody made";

    std::promise<bool> held_by_other;
    std::promise<void> release;
    std::thread holder([&] {
        held_by_other.set_value(HeldElsewhere(kLock, LockUse::Hold));
        release.get_future().wait();
    });
    EXPECT_FALSE(held_by_other.get_future().get());
    EXPECT_TRUE(HeldElsewhereOnThread(LockUse::Look));
    EXPECT_TRUE(HeldElsewhereOnThread(LockUse::Hold));

    release.set_value();
    holder.join();
    EXPECT_FALSE(HeldElsewhereOnThread(LockUse::Look));
    // The look let go of what it took: a holder still finds the lock free.
    EXPECT_FALSE(HeldElsewhereOnThread(LockUse::Hold));
}

}  // namespace
}  // namespace velmora::platform_edge
