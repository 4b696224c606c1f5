// The saver run as the run window drives it: every event's reaction, with the
// outcomes the window hands back (the launch, a music check) given by hand.

#include "saver/core/run_controller.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "contract/run_contract.h"

namespace velmora::saver {
namespace {

using music::MusicSource;
using Steps = std::vector<std::string>;

// The steps a reaction asks for, named in the order RunReaction lists them.
Steps StepsOf(const RunReaction& reaction) {
    Steps steps;
    const auto step = [&steps](bool asked, const char* name) {
        if (asked) {
            steps.emplace_back(name);
        }
    };
    step(reaction.stop_watch, "stop watch");
    step(reaction.stop_music_check, "stop music check");
    step(reaction.start_watch, "start watch");
    step(reaction.launch_renderer, "launch");
    step(reaction.end_renderer, "end renderer");
    step(reaction.music == MusicStep::Start, "start music");
    step(reaction.music == MusicStep::Check, "check music");
    step(reaction.music == MusicStep::Stop, "stop music");
    step(reaction.start_music_check_ms > 0, "start music checks");
    step(reaction.show_cursor, "show cursor");
    step(reaction.end_program, "end");
    return steps;
}

constexpr std::uint64_t kStart = 1000;
const RendererSight kNothing{false, false, false, kStart, {}};
const RendererSight kStarting{false, false, true, kStart, {}};  // its process runs, no window yet
const RendererSight kUp{true, true, true, kStart, {}};
const Steps kEnd = {"stop watch", "show cursor", "end"};
const Steps kEndWithRenderer = {"stop watch", "end renderer", "stop music", "show cursor", "end"};

RendererSight At(RendererSight sight, std::uint64_t ms_after_start) {
    sight.now_ms = kStart + ms_after_start;
    return sight;
}

Steps Watch(RunController& run, const RendererSight& sight) {
    return StepsOf(run.OnTimer(RunTimer::RendererWatch, sight));
}

TEST(RunController, StartLaunchesTheRendererWatchesItAndStartsTheMusicWithItsChecks) {
    const auto started = [](MusicSource source) {
        RunController run(source);
        return StepsOf(run.Start(kNothing));
    };
    // A stopped disc is seen within 200 ms, a finished MP3 starts again within a second.
    EXPECT_EQ(RunController(MusicSource::Cd).Start(kNothing).start_music_check_ms, 200u);
    EXPECT_EQ(RunController(MusicSource::Mp3File).Start(kNothing).start_music_check_ms, 1000u);
    EXPECT_EQ(started(MusicSource::None), (Steps{"start watch", "launch", "start music"}));
    EXPECT_EQ(started(MusicSource::WavFile), (Steps{"start watch", "launch", "start music"}));
    EXPECT_EQ(started(MusicSource::Cd),
              (Steps{"start watch", "launch", "start music", "start music checks"}));
    EXPECT_EQ(started(MusicSource::Mp3File),
              (Steps{"start watch", "launch", "start music", "start music checks"}));

    // One an earlier run gave up on is watched instead of starting a second.
    RunController run(MusicSource::None);
    EXPECT_EQ(StepsOf(run.Start(kStarting)), (Steps{"start watch", "start music"}));
    EXPECT_TRUE(Watch(run, At(kStarting, 1000)).empty());
    EXPECT_TRUE(Watch(run, kUp).empty());
    EXPECT_EQ(Watch(run, kNothing), kEnd);
}

TEST(RunController, TheRunEndsAtTheFirstWatchWithoutTheRendererWindowAndStopsItsMusic) {
    RunController wav(MusicSource::WavFile);
    wav.Start(kNothing);
    wav.RendererLaunched(true);
    EXPECT_TRUE(Watch(wav, kUp).empty());
    EXPECT_TRUE(Watch(wav, kUp).empty());
    EXPECT_EQ(Watch(wav, kNothing), (Steps{"stop watch", "stop music", "show cursor", "end"}));
    EXPECT_FALSE(wav.TimerRunning(RunTimer::RendererWatch));

    RunController mp3(MusicSource::Mp3File);
    mp3.Start(kNothing);
    mp3.RendererLaunched(false);  // could not start: the first watch ends the run
    EXPECT_EQ(StepsOf(mp3.OnTimer(RunTimer::MusicCheck, kNothing)), Steps{"check music"});
    EXPECT_TRUE(StepsOf(mp3.MusicChecked(true)).empty());
    EXPECT_EQ(Watch(mp3, kNothing),
              (Steps{"stop watch", "stop music check", "stop music", "show cursor", "end"}));
}

TEST(RunController, ACloseEndsTheRunOnceAndGivesTheCursorBack) {
    RunController run(MusicSource::WavFile);
    run.Start(kNothing);
    EXPECT_EQ(StepsOf(run.End()), (Steps{"stop music", "show cursor", "end"}));
    EXPECT_TRUE(StepsOf(run.End()).empty());
}

TEST(RunController, CdChecksRunWhileTheDriveIsUsableAndTheDriveIsClosedAtTheEnd) {
    RunController run(MusicSource::Cd);
    run.Start(kNothing);
    run.RendererLaunched(true);
    EXPECT_EQ(StepsOf(run.OnTimer(RunTimer::MusicCheck, kUp)), Steps{"check music"});
    EXPECT_TRUE(StepsOf(run.MusicChecked(true)).empty());
    EXPECT_TRUE(run.TimerRunning(RunTimer::MusicCheck));
    EXPECT_EQ(StepsOf(run.MusicChecked(false)), Steps{"stop music check"});
    EXPECT_FALSE(run.TimerRunning(RunTimer::MusicCheck));
    EXPECT_TRUE(StepsOf(run.OnTimer(RunTimer::MusicCheck, kUp)).empty());  // a late tick
    // The checks gave up, yet the drive the run opened is stopped and closed.
    EXPECT_EQ(Watch(run, kNothing), (Steps{"stop watch", "stop music", "show cursor", "end"}));

    RunController closed(MusicSource::Cd);
    closed.Start(kNothing);
    EXPECT_EQ(StepsOf(closed.End()),
              (Steps{"stop music check", "stop music", "show cursor", "end"}));
}

TEST(RunController, WaitsForALaunchedRenderersWindowForABoundedTimeThenEndsIt) {
    RunController slow(MusicSource::WavFile);
    slow.Start(kNothing);
    slow.RendererLaunched(true);
    EXPECT_TRUE(Watch(slow, At(kStarting, kRendererStartLimitMs - 1)).empty());
    EXPECT_EQ(Watch(slow, At(kStarting, kRendererStartLimitMs)), kEndWithRenderer);

    // Once seen, the window's going ends the run though the process is still finishing.
    RunController seen(MusicSource::None);
    seen.Start(kNothing);
    seen.RendererLaunched(true);
    EXPECT_TRUE(Watch(seen, kStarting).empty());
    EXPECT_TRUE(Watch(seen, kUp).empty());
    EXPECT_EQ(Watch(seen, kStarting), kEnd);

    // A renderer that ended before its window came.
    RunController gone(MusicSource::None);
    gone.Start(kNothing);
    gone.RendererLaunched(true);
    EXPECT_EQ(Watch(gone, kNothing), kEnd);
}

// The keeper: input the run window sees while the renderer's window stays.
RendererSight Looking(std::uint64_t ms_after_start, InputSight input, bool window = true) {
    return {window, window, true, kStart + ms_after_start, input};
}

InputSight Input(std::uint32_t tick, std::int32_t x, std::int32_t y) {
    return {tick, ScreenPoint{x, y}};
}

// From this long after the start on, the window first shown at 50 ms has settled.
constexpr std::uint64_t kSettled = 50 + kRendererSettleMs;

RunController Settled(MusicSource source, InputSight still) {
    RunController run(source);
    run.Start(Looking(0, still, false));
    run.RendererLaunched(true);
    EXPECT_TRUE(Watch(run, Looking(50, still)).empty());
    EXPECT_TRUE(Watch(run, Looking(kSettled, still)).empty());
    return run;
}

TEST(RunController, ARendererWindowThatOutstaysInputByTheLimitIsEndedWithTheRun) {
    // A key: the last-input time moves on, the cursor stays. The renderer's
    // window stays, answering or not: later input never moves the limit on.
    RunController run = Settled(MusicSource::WavFile, Input(7, 100, 100));
    const std::uint64_t key = kSettled + 50;
    EXPECT_TRUE(Watch(run, Looking(key, Input(9, 100, 100))).empty());
    EXPECT_TRUE(Watch(run, Looking(key + 500, Input(12, 100, 100))).empty());
    EXPECT_TRUE(Watch(run, Looking(key + kRendererEndLimitMs - 1, Input(12, 300, 100))).empty());
    EXPECT_EQ(Watch(run, Looking(key + kRendererEndLimitMs, Input(12, 300, 100))),
              kEndWithRenderer);
    EXPECT_FALSE(run.TimerRunning(RunTimer::RendererWatch));
    EXPECT_TRUE(StepsOf(run.End()).empty());

    // A move; the renderer ends by itself within the limit and the run ends as ever.
    RunController quick = Settled(MusicSource::None, Input(7, 100, 100));
    EXPECT_TRUE(Watch(quick, Looking(kSettled + 50, Input(8, 200, 100))).empty());
    EXPECT_EQ(Watch(quick, Looking(kSettled + 900, Input(8, 200, 100), false)), kEnd);
}

TEST(RunController, InputIsJudgedOnlyOnceTheRenderersWindowHasSettled) {
    // Before the window came, and while it comes up under a still cursor
    // (where the platform may report input nobody gave), no input counts.
    RunController run(MusicSource::WavFile);
    run.Start(Looking(0, Input(7, 100, 100), false));
    run.RendererLaunched(true);
    EXPECT_TRUE(Watch(run, Looking(50, Input(8, 100, 100), false)).empty());
    RendererSight hidden = Looking(100, Input(9, 100, 100));
    hidden.window_shown = false;  // made, titled, not yet shown
    EXPECT_TRUE(Watch(run, hidden).empty());
    EXPECT_TRUE(Watch(run, Looking(150, Input(10, 100, 100))).empty());  // shown
    EXPECT_TRUE(Watch(run, Looking(150 + kRendererSettleMs - 1, Input(11, 100, 100))).empty());
    EXPECT_TRUE(Watch(run, Looking(3000, Input(11, 100, 100))).empty());
    // Settled: the next key counts.
    EXPECT_TRUE(Watch(run, Looking(3050, Input(12, 100, 100))).empty());
    EXPECT_EQ(Watch(run, Looking(3050 + kRendererEndLimitMs, Input(12, 100, 100))),
              kEndWithRenderer);
}

TEST(RunController, WithoutInputNothingIsEndedHowEverTheMouseJitters) {
    // A seeded walk of the cursor in steps of at most kMouseJitterPixels, each
    // moving the last-input time as a real movement does, for an hour of
    // watches; then one step more than the jitter is input.
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> step(-contract::kMouseJitterPixels,
                                            contract::kMouseJitterPixels);
    std::uint32_t tick = 0;
    ScreenPoint cursor{500, 400};
    RunController run = Settled(MusicSource::Mp3File, {tick, cursor});
    std::uint64_t ms = kSettled;
    for (int look = 0; look < 72000; ++look) {
        ms += kRendererWatchMs;
        const int dx = step(random);
        const int dy = step(random) % (contract::kMouseJitterPixels - std::abs(dx) + 1);
        if (dx != 0 || dy != 0) {
            cursor = {cursor.x + dx, cursor.y + dy};
            tick = static_cast<std::uint32_t>(ms);
        }
        const Steps steps = Watch(run, Looking(ms, {tick, cursor}));
        ASSERT_TRUE(steps.empty()) << "look " << look << ": " << steps.front();
    }
    cursor.x += contract::kMouseJitterPixels + 1;
    EXPECT_TRUE(Watch(run, Looking(ms + 50, {tick + 50, cursor})).empty());
    EXPECT_EQ(Watch(run, Looking(ms + 50 + kRendererEndLimitMs, {tick + 50, cursor})),
              (Steps{"stop watch", "stop music check", "end renderer", "stop music", "show cursor",
                     "end"}));
}

}  // namespace
}  // namespace velmora::saver
