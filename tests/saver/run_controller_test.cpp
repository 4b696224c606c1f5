#include "saver/core/run_controller.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace velmora::saver {
namespace {

using Log = std::vector<std::string>;

const char* TimerName(RunTimer timer) {
    return timer == RunTimer::Timer1 ? "Timer1" : timer == RunTimer::Timer2 ? "Timer2" : "Timer3";
}

// The platform and the music, recording every call into one log.
class FakeRun : public RunPort, public MusicPort {
  public:
    std::string ProgramFolder() override { return "C:\\a b"; }
    bool LaunchRenderer(const std::string& path) override {
        log.push_back("launch " + path);
        process_running = launch_succeeds;
        return launch_succeeds;
    }
    bool RendererWindowExists() override { return window; }
    bool RendererProcessRunning() override { return process_running; }
    std::uint64_t NowMs() override { return now; }
    void SetTimerEnabled(RunTimer timer, bool enabled) override {
        log.push_back(std::string(enabled ? "enable " : "disable ") + TimerName(timer));
    }
    void ShowCursor() override { log.push_back("show cursor"); }
    void EndProgram() override {
        log.push_back("end");
        ended = true;
    }

    void CD_Open() override { log.push_back("CD_Open"); }
    void CD_Check() override { log.push_back("CD_Check"); }
    bool CD_Continue() override { return cd_continue; }
    void CD_Close() override { log.push_back("CD_Close"); }
    void MP3_OpenPlay() override { log.push_back("MP3_OpenPlay"); }
    void MP3_Check() override { log.push_back("MP3_Check"); }
    void MP3_Close() override { log.push_back("MP3_Close"); }
    void WAV_Play() override { log.push_back("WAV_Play"); }
    void WAV_Stop() override { log.push_back("WAV_Stop"); }

    bool launch_succeeds = true;
    bool process_running = false;
    bool window = false;
    bool cd_continue = true;
    bool ended = false;
    std::uint64_t now = 1000;
    Log log;
};

class RunControllerTest : public ::testing::Test {
  protected:
    Velmora_S& Start(std::int16_t kind, const std::string& file, const std::string& args = "/s") {
        settings.BGM_Kind = kind;
        settings.BGM_File = file;
        form.emplace(fake, fake, settings, args);
        form->Form_Load();
        return *form;
    }
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
    music::BgmSettings settings;
    std::optional<Velmora_S> form;
};

TEST(FilePlayerFor, UpperCasedLastThreeCharacters) {
    EXPECT_EQ(FilePlayerFor("C:\\x.wav"), FilePlayer::Wav);
    EXPECT_EQ(FilePlayerFor("C:\\x.WaV"), FilePlayer::Wav);
    EXPECT_EQ(FilePlayerFor("C:\\x.Mp3"), FilePlayer::Mp3);
    EXPECT_EQ(FilePlayerFor("mp3"), FilePlayer::Mp3);
    EXPECT_EQ(FilePlayerFor("C:\\x.mpeg"), FilePlayer::None);
    EXPECT_EQ(FilePlayerFor("C:\\x.wave"), FilePlayer::None);
    EXPECT_EQ(FilePlayerFor("C:\\x.mp3 "), FilePlayer::None);
    EXPECT_EQ(FilePlayerFor("p3"), FilePlayer::None);
    EXPECT_EQ(FilePlayerFor(""), FilePlayer::None);
}

TEST_F(RunControllerTest, LoadLaunchesTheRendererByItsPathAndStartsTheWatch) {
    Start(0, "");
    EXPECT_EQ(form->RendererPath, "C:\\a b\\Velmora.dll");
    EXPECT_EQ(TakeLog(), (Log{"enable Timer3", "launch C:\\a b\\Velmora.dll"}));
    EXPECT_TRUE(form->TimerEnabled(RunTimer::Timer3));
    EXPECT_FALSE(form->TimerEnabled(RunTimer::Timer1));
    EXPECT_FALSE(form->TimerEnabled(RunTimer::Timer2));
}

TEST_F(RunControllerTest, MusicStartByKindAndFileEnding) {
    struct Case {
        std::int16_t kind;
        const char* file;
        Log music;
    };
    const Case cases[] = {
        {1, "", {"CD_Open", "enable Timer2"}},
        {1, "C:\\x.mp3", {"CD_Open", "enable Timer2"}},
        {2, "C:\\x.wav", {"WAV_Play"}},
        {2, "C:\\x.Mp3", {"MP3_OpenPlay", "enable Timer1"}},
        {2, "C:\\x.ogg", {}},
        {2, "C:\\x.mp3 ", {}},
        {0, "C:\\x.mp3", {}},
        {3, "C:\\x.wav", {}},
        {-1, "C:\\x.wav", {}},
    };
    for (const Case& c : cases) {
        fake.log.clear();
        Start(c.kind, c.file);
        Log expected = {"enable Timer3", "launch C:\\a b\\Velmora.dll"};
        expected.insert(expected.end(), c.music.begin(), c.music.end());
        EXPECT_EQ(TakeLog(), expected) << c.kind << " " << c.file;
    }
}

TEST_F(RunControllerTest, RunEndsAtTheFirstWatchWithoutTheRendererWindow) {
    Start(0, "");
    fake.window = true;
    form->Timer3_Timer();
    form->Timer3_Timer();
    EXPECT_FALSE(fake.ended);
    fake.window = false;
    TakeLog();
    form->Timer3_Timer();
    EXPECT_EQ(TakeLog(), (Log{"disable Timer3", "show cursor", "end"}));
}

TEST_F(RunControllerTest, EndOfRunStopsTheMusicItStarted) {
    Start(2, "C:\\x.wav");
    TakeLog();
    RendererGone();
    form->Timer3_Timer();
    EXPECT_EQ(TakeLog(), (Log{"disable Timer3", "WAV_Stop", "show cursor", "end"}));

    Start(2, "C:\\x.MP3");
    form->Timer1_Timer();
    form->Timer1_Timer();
    TakeLog();
    RendererGone();
    form->Timer3_Timer();
    // Timer1 is not switched off: the process ends with it.
    EXPECT_EQ(TakeLog(), (Log{"disable Timer3", "MP3_Close", "show cursor", "end"}));
}

TEST_F(RunControllerTest, CdChecksRunWhileTheDriveIsUsableAndCloseItOnlyThen) {
    Start(1, "");
    form->Timer2_Timer();
    EXPECT_TRUE(form->TimerEnabled(RunTimer::Timer2));
    fake.cd_continue = false;
    form->Timer2_Timer();
    EXPECT_FALSE(form->TimerEnabled(RunTimer::Timer2));
    EXPECT_EQ(TakeLog(),
              (Log{"enable Timer3", "launch C:\\a b\\Velmora.dll", "CD_Open", "enable Timer2",
                   "CD_Check", "enable Timer2", "CD_Check", "disable Timer2"}));
    RendererGone();
    form->Timer3_Timer();
    // The checks had stopped: the drive is not closed.
    EXPECT_EQ(TakeLog(), (Log{"disable Timer3", "show cursor", "end"}));

    fake.cd_continue = true;
    Start(1, "");
    form->Timer2_Timer();
    TakeLog();
    form->Form_QueryUnload();
    EXPECT_EQ(TakeLog(), (Log{"disable Timer2", "CD_Close", "show cursor", "end"}));
}

TEST_F(RunControllerTest, TheCursorIsGivenBackOnlyForTheRunRequest) {
    for (const char* args : {"", "-S", "/scr"}) {
        Start(0, "", args);
        TakeLog();
        form->Form_QueryUnload();
        const bool shown = std::string(args).size() > 1;
        const Log expected = shown ? Log{"show cursor", "end"} : Log{"end"};
        EXPECT_EQ(TakeLog(), expected) << args;
    }
}

TEST_F(RunControllerTest, ACloseFromOutsideEndsTheRunOnce) {
    Start(2, "C:\\x.wav");
    fake.window = true;
    TakeLog();
    form->Form_QueryUnload();
    form->Form_QueryUnload();
    EXPECT_EQ(TakeLog(), (Log{"WAV_Stop", "show cursor", "end"}));
}

TEST_F(RunControllerTest, WaitsForARendererThatIsStillStarting) {
    Start(0, "");
    TakeLog();
    // The process runs, its window is not up yet.
    for (int tick = 0; tick < 100; ++tick) {
        fake.now += 50;
        form->Timer3_Timer();
    }
    EXPECT_FALSE(fake.ended);
    fake.window = true;
    form->Timer3_Timer();
    // Once seen, the window's disappearance ends the run at once, even while
    // the process is still finishing.
    fake.window = false;
    form->Timer3_Timer();
    EXPECT_TRUE(fake.ended);
}

TEST_F(RunControllerTest, GivesUpOnARendererWhoseWindowNeverComes) {
    Start(0, "");
    fake.now += kRendererStartLimitMs - 1;
    form->Timer3_Timer();
    EXPECT_FALSE(fake.ended);
    fake.now += 1;
    form->Timer3_Timer();
    EXPECT_TRUE(fake.ended);
}

TEST_F(RunControllerTest, ARendererThatEndedBeforeItsWindowCameEndsTheRun) {
    Start(0, "");
    fake.process_running = false;
    form->Timer3_Timer();
    EXPECT_TRUE(fake.ended);
}

TEST_F(RunControllerTest, ARendererThatCouldNotStartEndsTheRunAtTheFirstWatch) {
    fake.launch_succeeds = false;
    Start(2, "C:\\x.mp3");
    TakeLog();
    form->Timer3_Timer();
    EXPECT_EQ(TakeLog(), (Log{"disable Timer3", "MP3_Close", "show cursor", "end"}));
}

TEST(TimerIntervals, AsDesigned) {
    EXPECT_EQ(TimerIntervalMs(RunTimer::Timer1), 1000u);
    EXPECT_EQ(TimerIntervalMs(RunTimer::Timer2), 200u);
    EXPECT_EQ(TimerIntervalMs(RunTimer::Timer3), 50u);
}

}  // namespace
}  // namespace velmora::saver
