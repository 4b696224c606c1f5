#include "saver/core/run_controller.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace velmora::saver {
namespace {

using music::MusicSource;
using Log = std::vector<std::string>;

const char* TimerName(RunTimer timer) {
    return timer == RunTimer::MusicCheck ? "music check" : "watch";
}

const char* SourceName(MusicSource source) {
    switch (source) {
        case MusicSource::Cd:
            return "CD";
        case MusicSource::WavFile:
            return "WAV";
        case MusicSource::Mp3File:
            return "MP3";
        default:
            return "none";
    }
}

// The platform and the music, recording every call into one log.
class FakeRun : public RunPort, public music::MusicPort {
  public:
    bool LaunchRenderer(const std::string& path) override {
        log.push_back("launch " + path);
        process_running = launch_succeeds;
        return launch_succeeds;
    }
    bool RendererWindowExists() override { return window; }
    bool RendererProcessRunning() override { return process_running; }
    std::uint64_t NowMs() override { return now; }
    void StartTimer(RunTimer timer, std::uint32_t interval_ms) override {
        log.push_back(std::string("start ") + TimerName(timer) + " " + std::to_string(interval_ms));
    }
    void StopTimer(RunTimer timer) override {
        log.push_back(std::string("stop ") + TimerName(timer));
    }
    void ShowCursor() override { log.push_back("show cursor"); }
    void EndProgram() override {
        log.push_back("end");
        ended = true;
    }

    void Start(MusicSource source) override {
        log.push_back(std::string("play ") + SourceName(source));
    }
    bool Check(MusicSource source) override {
        log.push_back(std::string("check ") + SourceName(source));
        return keep_checking;
    }
    void Stop(MusicSource source) override {
        log.push_back(std::string("silence ") + SourceName(source));
    }

    bool launch_succeeds = true;
    bool process_running = false;
    bool window = false;
    bool keep_checking = true;
    bool ended = false;
    std::uint64_t now = 1000;
    Log log;
};

constexpr char kRenderer[] = "C:\\a b\\Velmora.dll";

class RunControllerTest : public ::testing::Test {
  protected:
    RunController& Start(MusicSource source, bool cursor_hidden = true) {
        run.emplace(fake, fake, source, kRenderer, cursor_hidden);
        run->Start();
        return *run;
    }
    void Watch() { run->OnTimer(RunTimer::RendererWatch); }
    // The renderer's window is gone and its process has ended.
    void RendererGone() {
        fake.window = false;
        fake.process_running = false;
    }
    Log TakeLog() {
        Log log;
        log.swap(fake.log);
        return log;
    }

    FakeRun fake;
    std::optional<RunController> run;
};

TEST_F(RunControllerTest, StartLaunchesTheRendererWatchesItAndStartsTheMusicByItsSource) {
    const Log launch = {"start watch 50", std::string("launch ") + kRenderer};
    const auto started = [&](MusicSource source, const Log& music) {
        fake.process_running = false;  // the renderer of the run before has ended
        Start(source);
        Log expected = launch;
        expected.insert(expected.end(), music.begin(), music.end());
        EXPECT_EQ(TakeLog(), expected) << SourceName(source);
    };
    started(MusicSource::None, {"play none"});
    started(MusicSource::WavFile, {"play WAV"});  // loops by itself
    started(MusicSource::Cd, {"play CD", "start music check 200"});
    started(MusicSource::Mp3File, {"play MP3", "start music check 1000"});
}

TEST_F(RunControllerTest, RunEndsAtTheFirstWatchWithoutTheRendererWindow) {
    Start(MusicSource::None);
    fake.window = true;
    Watch();
    Watch();
    EXPECT_FALSE(fake.ended);
    fake.window = false;
    TakeLog();
    Watch();
    EXPECT_EQ(TakeLog(), (Log{"stop watch", "show cursor", "end"}));
}

TEST_F(RunControllerTest, EndOfRunStopsTheMusicItStarted) {
    Start(MusicSource::WavFile);
    TakeLog();
    RendererGone();
    Watch();
    EXPECT_EQ(TakeLog(), (Log{"stop watch", "silence WAV", "show cursor", "end"}));

    Start(MusicSource::Mp3File);
    run->OnTimer(RunTimer::MusicCheck);
    run->OnTimer(RunTimer::MusicCheck);
    TakeLog();
    RendererGone();
    Watch();
    EXPECT_EQ(TakeLog(),
              (Log{"stop watch", "stop music check", "silence MP3", "show cursor", "end"}));
}

TEST_F(RunControllerTest, CdChecksRunWhileTheDriveIsUsableAndTheDriveIsClosedAtTheEnd) {
    Start(MusicSource::Cd);
    run->OnTimer(RunTimer::MusicCheck);
    EXPECT_TRUE(run->TimerRunning(RunTimer::MusicCheck));
    fake.keep_checking = false;
    run->OnTimer(RunTimer::MusicCheck);
    EXPECT_FALSE(run->TimerRunning(RunTimer::MusicCheck));
    EXPECT_EQ(TakeLog(),
              (Log{"start watch 50", std::string("launch ") + kRenderer, "play CD",
                   "start music check 200", "check CD", "check CD", "stop music check"}));
    RendererGone();
    Watch();
    // The checks had given up (a drive error, a reply that is not a number),
    // yet the drive the run opened is still stopped and closed.
    EXPECT_EQ(TakeLog(), (Log{"stop watch", "silence CD", "show cursor", "end"}));

    fake.keep_checking = true;
    Start(MusicSource::Cd);
    run->OnTimer(RunTimer::MusicCheck);
    TakeLog();
    run->End();
    EXPECT_EQ(TakeLog(), (Log{"stop music check", "silence CD", "show cursor", "end"}));
}

TEST_F(RunControllerTest, TheCursorIsGivenBackOnlyWhenTheStartUpHidIt) {
    Start(MusicSource::None, false);
    TakeLog();
    run->End();
    EXPECT_EQ(TakeLog(), Log{"end"});
}

TEST_F(RunControllerTest, ACloseFromOutsideEndsTheRunOnce) {
    Start(MusicSource::WavFile);
    fake.window = true;
    TakeLog();
    run->End();
    run->End();
    EXPECT_EQ(TakeLog(), (Log{"silence WAV", "show cursor", "end"}));
}

TEST_F(RunControllerTest, WaitsForARendererThatIsStillStarting) {
    Start(MusicSource::None);
    TakeLog();
    // The process runs, its window is not up yet.
    for (int tick = 0; tick < 100; ++tick) {
        fake.now += 50;
        Watch();
    }
    EXPECT_FALSE(fake.ended);
    fake.window = true;
    Watch();
    // Once seen, the window's disappearance ends the run at once, even while
    // the process is still finishing.
    fake.window = false;
    Watch();
    EXPECT_TRUE(fake.ended);
}

TEST_F(RunControllerTest, GivesUpOnARendererWhoseWindowNeverComes) {
    Start(MusicSource::None);
    fake.now += kRendererStartLimitMs - 1;
    Watch();
    EXPECT_FALSE(fake.ended);
    fake.now += 1;
    Watch();
    EXPECT_TRUE(fake.ended);
}

TEST_F(RunControllerTest, ARendererLeftRunningIsWatchedInsteadOfStartingASecond) {
    fake.process_running = true;  // an earlier run gave up on it; its window is not up yet
    Start(MusicSource::Cd);
    EXPECT_EQ(TakeLog(), (Log{"start watch 50", "play CD", "start music check 200"}));
    fake.now += 1000;
    Watch();
    EXPECT_FALSE(fake.ended);
    fake.window = true;
    Watch();
    RendererGone();
    Watch();
    EXPECT_TRUE(fake.ended);
}

TEST_F(RunControllerTest, ARendererThatEndedBeforeItsWindowCameEndsTheRun) {
    Start(MusicSource::None);
    fake.process_running = false;
    Watch();
    EXPECT_TRUE(fake.ended);
}

TEST_F(RunControllerTest, ARendererThatCouldNotStartEndsTheRunAtTheFirstWatch) {
    fake.launch_succeeds = false;
    Start(MusicSource::Mp3File);
    TakeLog();
    Watch();
    EXPECT_EQ(TakeLog(),
              (Log{"stop watch", "stop music check", "silence MP3", "show cursor", "end"}));
}

}  // namespace
}  // namespace velmora::saver
