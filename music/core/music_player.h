#pragma once
// The music player: the media command layer, the music CD player and the
// MP3/WAV file player, started, checked and stopped by the kind of music the
// run plays. Platform-free; the platform comes in through MediaPort.

#include <array>
#include <cstdint>
#include <string>

#include "music/core/media_port.h"
#include "settings/core/music_choice.h"

namespace velmora::music {

// What a run plays, by the music choice.
enum class MusicSource { None, Cd, WavFile, Mp3File };

// Kind 1 is the CD; kind 2 is the file by the upper-cased last three
// characters of its name, "WAV" or "MP3"; anything else plays nothing.
MusicSource MusicSourceFor(const settings::MusicChoice& choice);

// How often a source wants its check while it plays: the CD every 200 ms
// (start and repeat), an MP3 every 1000 ms (restart at its end); 0 for none.
std::uint32_t CheckIntervalMs(MusicSource source);

// The music as the run drives it.
class MusicPort {
  public:
    virtual ~MusicPort() = default;
    virtual void Start(MusicSource source) = 0;
    // One check; false when further checks make no sense.
    virtual bool Check(MusicSource source) = 0;
    virtual void Stop(MusicSource source) = 0;
};

class MusicPlayer final : public MusicPort {
  public:
    // The fixed reply buffers and the sizes handed to the platform with them.
    static constexpr std::uint32_t kReplyBufferSize = 512;
    static constexpr std::uint32_t kErrorBufferSize = 256;
    static constexpr std::uint32_t kCdModeBufferSize = 256;
    static constexpr std::uint32_t kCdModeReplySize = 255;
    static constexpr std::uint32_t kMp3ModeBufferSize = 30;

    // PlaySoundA flags: SND_ASYNC | SND_LOOP.
    static constexpr std::uint32_t kLoopSoundFlags = 0x0001 | 0x0008;

    // `choice` is read at every operation, so it may be loaded after construction.
    MusicPlayer(MediaPort& port, const settings::MusicChoice& choice)
        : port_(port), choice_(choice) {}

    void Start(MusicSource source) override;
    bool Check(MusicSource source) override;
    void Stop(MusicSource source) override;

    // Media command layer.
    // Sends `command`, sets `output` to the reply or the error text and returns
    // the MCI code (0 on success, -1 for an empty command).
    std::int32_t SendCommand(const std::string& command, std::string& output);
    // The reply text, or "Error:" and the code when the command failed.
    std::string Query(const std::string& command);
    // "play <device>[ from <from>][ to <to>]"; returns the MCI code.
    std::int32_t Play(const std::string& device, const std::string& from, const std::string& to);

    // Music CD player.
    void OpenCd();
    bool CheckCd();  // false: the drive cannot be followed, stop checking
    void CloseCd();

    // MP3 and WAV file player.
    void StartMp3();
    bool Mp3Playing();
    void CheckMp3();
    void CloseMp3();
    void StartWav();
    void StopWav();

    // The result of the most recent platform call that keeps one, and the
    // reply or error text of the last query or play.
    std::int32_t LastResult() const { return last_result_; }
    const std::string& LastReply() const { return last_reply_; }

  private:
    // Sends a command whose reply is not wanted (no buffer, size 0).
    std::int32_t SendWithoutReply(const std::string& command);
    // Sends a command whose reply goes into `buffer`, cleared first so that a
    // failed call never leaves an earlier reply behind.
    template <std::size_t N>
    std::int32_t SendInto(const std::string& command, std::array<char, N>& buffer,
                          std::uint32_t reply_size);

    MediaPort& port_;
    const settings::MusicChoice& choice_;

    std::int32_t last_result_ = 0;
    std::string last_reply_;
    std::array<char, kReplyBufferSize> reply_buffer_{};
    std::array<char, kErrorBufferSize> error_buffer_{};
    std::array<char, kCdModeBufferSize> cd_mode_buffer_{};
    std::array<char, kMp3ModeBufferSize> mp3_mode_buffer_{};
};

}  // namespace velmora::music
