#include "saver/core/run_controller.h"

#include <gtest/gtest.h>

#include <optional>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora::saver {
namespace {

using music::MusicSource;
using Log = std::vector<std::string>;

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

// The run window's part: carries out each reaction as the window does, the
// platform and the music recorded into one log.
class RunControllerTest : public ::testing::Test {
  protected:
    RunController& Start(MusicSource source, bool cursor_hidden = true) {
        run.emplace(source, cursor_hidden);
        CarryOut(run->Start(Sight()));
        return *run;
    }
    void Tick(RunTimer timer) { CarryOut(run->OnTimer(timer, Sight())); }
    void Watch() { Tick(RunTimer::RendererWatch); }
    void End() { CarryOut(run->End()); }
    // The renderer's window is gone and its process has ended.
    void RendererGone() {
        window = false;
        process_running = false;
    }
    Log TakeLog() {
        Log taken;
        taken.swap(log);
        return taken;
    }

    bool launch_succeeds = true;
    bool process_running = false;
    bool window = false;
    bool keep_checking = true;
    bool ended = false;
    std::uint64_t now = 1000;
    Log log;
    std::optional<RunController> run;

  private:
    RendererSight Sight() const { return RendererSight{window, process_running, now}; }

    void CarryOut(const RunReaction& reaction) {
        if (reaction.stop_watch) {
            log.push_back("stop watch");
        }
        if (reaction.stop_music_check) {
            log.push_back("stop music check");
        }
        if (reaction.start_watch) {
            log.push_back("start watch " + std::to_string(kRendererWatchMs));
        }
        if (reaction.launch_renderer) {
            log.push_back("launch");
            process_running = launch_succeeds;
            run->RendererLaunched(launch_succeeds);
        }
        const std::string source = SourceName(reaction.music_source);
        switch (reaction.music) {
            case MusicStep::Start:
                log.push_back("play " + source);
                break;
            case MusicStep::Check:
                log.push_back("check " + source);
                CarryOut(run->MusicChecked(keep_checking));
                break;
            case MusicStep::Stop:
                log.push_back("silence " + source);
                break;
            case MusicStep::None:
                break;
        }
        if (reaction.start_music_check_ms > 0) {
            log.push_back("start music check " + std::to_string(reaction.start_music_check_ms));
        }
        if (reaction.show_cursor) {
            log.push_back("show cursor");
        }
        if (reaction.end_program) {
            log.push_back("end");
            ended = true;
        }
    }
};

TEST_F(RunControllerTest, StartLaunchesTheRendererWatchesItAndStartsTheMusicByItsSource) {
    const Log launch = {"start watch 50", "launch"};
    const auto started = [&](MusicSource source, const Log& music) {
        process_running = false;  // the renderer of the run before has ended
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
    window = true;
    Watch();
    Watch();
    EXPECT_FALSE(ended);
    window = false;
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
    Tick(RunTimer::MusicCheck);
    Tick(RunTimer::MusicCheck);
    TakeLog();
    RendererGone();
    Watch();
    EXPECT_EQ(TakeLog(),
              (Log{"stop watch", "stop music check", "silence MP3", "show cursor", "end"}));
}

TEST_F(RunControllerTest, CdChecksRunWhileTheDriveIsUsableAndTheDriveIsClosedAtTheEnd) {
    Start(MusicSource::Cd);
    Tick(RunTimer::MusicCheck);
    EXPECT_TRUE(run->TimerRunning(RunTimer::MusicCheck));
    keep_checking = false;
    Tick(RunTimer::MusicCheck);
    EXPECT_FALSE(run->TimerRunning(RunTimer::MusicCheck));
    EXPECT_EQ(TakeLog(), (Log{"start watch 50", "launch", "play CD", "start music check 200",
                              "check CD", "check CD", "stop music check"}));
    RendererGone();
    Watch();
    // The checks had given up (a drive error, a reply that is not a number),
    // yet the drive the run opened is still stopped and closed.
    EXPECT_EQ(TakeLog(), (Log{"stop watch", "silence CD", "show cursor", "end"}));

    keep_checking = true;
    Start(MusicSource::Cd);
    Tick(RunTimer::MusicCheck);
    TakeLog();
    End();
    EXPECT_EQ(TakeLog(), (Log{"stop music check", "silence CD", "show cursor", "end"}));
}

TEST_F(RunControllerTest, TheCursorIsGivenBackOnlyWhenTheStartUpHidIt) {
    Start(MusicSource::None, false);
    TakeLog();
    End();
    EXPECT_EQ(TakeLog(), Log{"end"});
}

TEST_F(RunControllerTest, ACloseFromOutsideEndsTheRunOnce) {
    Start(MusicSource::WavFile);
    window = true;
    TakeLog();
    End();
    End();
    EXPECT_EQ(TakeLog(), (Log{"silence WAV", "show cursor", "end"}));
}

TEST_F(RunControllerTest, WaitsForARendererThatIsStillStarting) {
    Start(MusicSource::None);
    TakeLog();
    // The process runs, its window is not up yet.
    for (int tick = 0; tick < 100; ++tick) {
        now += 50;
        Watch();
    }
    EXPECT_FALSE(ended);
    window = true;
    Watch();
    // Once seen, the window's disappearance ends the run at once, even while
    // the process is still finishing.
    window = false;
    Watch();
    EXPECT_TRUE(ended);
}

TEST_F(RunControllerTest, GivesUpOnARendererWhoseWindowNeverComes) {
    Start(MusicSource::None);
    now += kRendererStartLimitMs - 1;
    Watch();
    EXPECT_FALSE(ended);
    now += 1;
    Watch();
    EXPECT_TRUE(ended);
}

TEST_F(RunControllerTest, ARendererLeftRunningIsWatchedInsteadOfStartingASecond) {
    process_running = true;  // an earlier run gave up on it; its window is not up yet
    Start(MusicSource::Cd);
    EXPECT_EQ(TakeLog(), (Log{"start watch 50", "play CD", "start music check 200"}));
    now += 1000;
    Watch();
    EXPECT_FALSE(ended);
    window = true;
    Watch();
    RendererGone();
    Watch();
    EXPECT_TRUE(ended);
}

TEST_F(RunControllerTest, ARendererThatEndedBeforeItsWindowCameEndsTheRun) {
    Start(MusicSource::None);
    process_running = false;
    Watch();
    EXPECT_TRUE(ended);
}

TEST_F(RunControllerTest, ARendererThatCouldNotStartEndsTheRunAtTheFirstWatch) {
    launch_succeeds = false;
    Start(MusicSource::Mp3File);
    TakeLog();
    Watch();
    EXPECT_EQ(TakeLog(),
              (Log{"stop watch", "stop music check", "silence MP3", "show cursor", "end"}));
}

}  // namespace
}  // namespace velmora::saver
