// The music player as the run drives it: which source a choice plays and
// what starting, checking and stopping each source sends.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "music/core/music_player.h"
#include "tests/music/scripted_drive.h"

namespace velmora::music {
namespace {

using namespace text::literals;

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(MusicSourceFor, TheCdByKindAndTheFileByItsUpperCasedLastThreeCharacters) {
    const auto source = [](std::int16_t kind, text::Cp932View file) {
        return MusicSourceFor({kind, 0, file});
    };
    EXPECT_EQ(source(1, ""_cp932), MusicSource::Cd);
    EXPECT_EQ(source(1, "C:\\x.mp3"_cp932), MusicSource::Cd);
    EXPECT_EQ(source(2, "C:\\x.wav"_cp932), MusicSource::WavFile);
    EXPECT_EQ(source(2, "C:\\x.WaV"_cp932), MusicSource::WavFile);
    EXPECT_EQ(source(2, "C:\\x.Mp3"_cp932), MusicSource::Mp3File);
    EXPECT_EQ(source(2, "mp3"_cp932), MusicSource::Mp3File);
    // 集AV (8F 57 41 56) ends in the bytes of "WAV" but not in its characters.
    for (const text::Cp932View other :
         {"C:\\x.mpeg"_cp932, "C:\\x.wave"_cp932, "C:\\x.mp3 "_cp932, "p3"_cp932, ""_cp932,
          "C:\\x.ogg"_cp932, "C:\\\x8F\x57\x41\x56"_cp932}) {
        EXPECT_EQ(source(2, other), MusicSource::None) << other.Bytes();
    }
    for (const std::int16_t kind : {0, 3, -1}) {
        EXPECT_EQ(source(kind, "C:\\x.wav"_cp932), MusicSource::None) << kind;
    }
}

TEST(CheckIntervalMs, TheCdEvery200MsAnMp3Every1000) {
    EXPECT_EQ(CheckIntervalMs(MusicSource::Cd), 200u);
    EXPECT_EQ(CheckIntervalMs(MusicSource::Mp3File), 1000u);
}

TEST(MusicPlayer, PlaysTheChoiceAsItWasWhenMade) {
    testing::ScriptedDrive drive;
    settings::MusicChoice choice{2, 0, "C:\\a.mp3"_cp932};
    MusicPlayer mp3{drive, choice};
    choice = {1, 3, {}};  // a later change is no part of this run
    drive.Answer("status MP3Play mode", 0, "playing");
    mp3.Start();
    EXPECT_TRUE(mp3.Check());
    mp3.Stop();
    EXPECT_THAT(drive.Commands(),
                ElementsAre("open \"C:\\a.mp3\" type MPEGVideo Alias MP3Play", "play MP3Play",
                            "status MP3Play mode", "stop MP3Play", "close MP3Play"));

    drive.calls.clear();
    for (const settings::MusicChoice& silent : {settings::MusicChoice{0, 0, "C:\\a.mp3"_cp932},
                                                settings::MusicChoice{2, 0, "C:\\a.wav"_cp932}}) {
        drive.sound_outputs = 0;
        MusicPlayer player{drive, silent};
        player.Start();
        EXPECT_FALSE(player.Check());
        player.Stop();
    }
    EXPECT_THAT(drive.calls, IsEmpty());
    EXPECT_THAT(drive.sounds, ElementsAre(testing::ScriptedDrive::kStopped));  // the WAV's stop

    MusicPlayer cd{drive, choice};
    cd.Start();
    drive.Answer("status cdaudio current track", 266);
    EXPECT_FALSE(cd.Check());
    cd.Stop();
    EXPECT_THAT(drive.Commands(),
                ElementsAre("open cdaudio", "set cdaudio time format tmsf",
                            "status cdaudio current track", "stop cdaudio", "close cdaudio"));
}

}  // namespace
}  // namespace velmora::music
