#include "music/win32/win32_media_port.h"

#include <windows.h>
#include <mmsystem.h>

#include <vector>

#include "text/win32/wide_text.h"

namespace velmora::music {

// The wide calls, with the command (and the file path in it) taken as code
// page 932: a path with Japanese names plays on every system code page.
MediaAnswer Win32MediaPort::SendCommand(text::Cp932View command, std::uint32_t reply_length) {
    // A fresh buffer for every command, so no earlier reply is read again.
    std::vector<wchar_t> reply(reply_length + 1, L'\0');
    MediaAnswer answer;
    answer.code = static_cast<std::int32_t>(
        mciSendStringW(text::WideFromCp932(command).c_str(),
                       reply_length > 0 ? reply.data() : nullptr, reply_length, nullptr));
    if (reply_length > 0) {
        // Back in code page 932, cut to the room the driver had (its NUL included).
        const text::Cp932String whole = text::Cp932FromWide(reply.data());
        answer.reply = text::Cp932String(whole.Bytes().substr(0, reply_length - 1));
    }
    return answer;
}

std::int32_t Win32MediaPort::SoundOutputCount() {
    return static_cast<std::int32_t>(waveOutGetNumDevs());
}

// The file only (SND_FILENAME | SND_NODEFAULT): a file that cannot be played
// stays silent instead of looping the system's default sound for the whole run.
void Win32MediaPort::PlayLooping(text::Cp932View file) {
    PlaySoundW(text::WideFromCp932(file).c_str(), nullptr,
               SND_ASYNC | SND_LOOP | SND_FILENAME | SND_NODEFAULT);
}

void Win32MediaPort::StopSound() {
    PlaySoundW(nullptr, nullptr, 0);
}

}  // namespace velmora::music
