#include <gtest/gtest.h>

#include "renderer/core/display_presence.h"
#include "renderer/core/trail_keeping.h"

namespace velmora::renderer {
namespace {

// Each step: the event, whether frames are drawn afterwards, and whether the
// loop has to be told (drawing stopped or started).
struct PresenceStep {
    PresenceEvent event;
    bool seen;
    bool changed;
};

TEST(DisplayPresence, FramesStopWhileDisplaysAreOffOrTheSessionIsLockedOrAway) {
    DisplayPresence presence;
    EXPECT_TRUE(presence.Seen());
    const PresenceStep steps[] = {
        {PresenceEvent::DisplaysDimmed, true, false},  // dimmed still shows the picture
        {PresenceEvent::DisplaysOff, false, true},
        {PresenceEvent::DisplaysOff, false, false},
        {PresenceEvent::DisplaysDimmed, true, true},
        {PresenceEvent::SessionLocked, false, true},
        {PresenceEvent::DisplaysOff, false, false},
        {PresenceEvent::SessionUnlocked, false, false},  // the displays are still off
        {PresenceEvent::DisplaysOn, true, true},
        {PresenceEvent::SessionDisconnected, false, true},
        {PresenceEvent::SessionLocked, false, false},
        {PresenceEvent::SessionConnected, false, false},  // still locked
        {PresenceEvent::SessionUnlocked, true, true},
    };
    int index = 0;
    for (const PresenceStep& step : steps) {
        EXPECT_EQ(presence.Apply(step.event), step.changed) << "step " << index;
        EXPECT_EQ(presence.Seen(), step.seen) << "step " << index;
        ++index;
    }
}

// The platform's display states and session changes, as the rule's events;
// the changes that say nothing of the screen being seen are left out.
TEST(DisplayPresence, DisplayStatesAndSessionChangesAreItsEvents) {
    EXPECT_EQ(PresenceEventForDisplayState(0), PresenceEvent::DisplaysOff);
    EXPECT_EQ(PresenceEventForDisplayState(1), PresenceEvent::DisplaysOn);
    EXPECT_EQ(PresenceEventForDisplayState(2), PresenceEvent::DisplaysDimmed);
    EXPECT_EQ(PresenceEventForDisplayState(3), std::nullopt);
    using namespace session_change;
    EXPECT_EQ(PresenceEventForSessionChange(kSessionLock), PresenceEvent::SessionLocked);
    EXPECT_EQ(PresenceEventForSessionChange(kSessionUnlock), PresenceEvent::SessionUnlocked);
    for (const uint32_t away : {kConsoleDisconnect, kRemoteDisconnect}) {
        EXPECT_EQ(PresenceEventForSessionChange(away), PresenceEvent::SessionDisconnected);
    }
    for (const uint32_t back : {kConsoleConnect, kRemoteConnect}) {
        EXPECT_EQ(PresenceEventForSessionChange(back), PresenceEvent::SessionConnected);
    }
    constexpr uint32_t kLogon = 5, kLogoff = 6, kRemoteControl = 9;
    for (const uint32_t other : {kLogon, kLogoff, kRemoteControl}) {
        EXPECT_EQ(PresenceEventForSessionChange(other), std::nullopt) << other;
    }
}

TEST(TrailKeeping, TexturesFirstThenAKeptBackBufferElseNoTrails) {
    EXPECT_EQ(TrailKeepingOfView(TrailKeeping::Texture, true), TrailKeeping::Texture);
    EXPECT_EQ(TrailKeepingOfView(TrailKeeping::BackBuffer, false), TrailKeeping::BackBuffer);
    EXPECT_EQ(TrailKeepingOfView(TrailKeeping::Texture, false), TrailKeeping::None);
}

}  // namespace
}  // namespace velmora::renderer
