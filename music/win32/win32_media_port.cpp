#include "music/win32/win32_media_port.h"

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "text/win32/wide_text.h"

namespace velmora::music {

namespace {

// A wide answer handed back in code page 932, cut to the caller's buffer.
void CopyAnswer(const wchar_t* answer, char* buffer, std::uint32_t size) {
    if (buffer == nullptr || size == 0) {
        return;
    }
    const text::Cp932String bytes = text::Cp932FromWide(answer);
    const std::size_t length = std::min<std::size_t>(bytes.Size(), size - 1);
    std::memcpy(buffer, bytes.Bytes().data(), length);
    buffer[length] = '\0';
}

}  // namespace

// The wide calls, with the command (and the file path in it) taken as code
// page 932: a path with Japanese names plays on every system code page.
std::int32_t Win32MediaPort::SendString(text::Cp932View command, char* reply,
                                        std::uint32_t reply_size) {
    std::vector<wchar_t> answer(reply_size + 1, L'\0');
    const MCIERROR result =
        mciSendStringW(text::WideFromCp932(command).c_str(),
                       reply != nullptr ? answer.data() : nullptr, reply_size, nullptr);
    CopyAnswer(answer.data(), reply, reply_size);
    return static_cast<std::int32_t>(result);
}

std::int32_t Win32MediaPort::WaveOutDeviceCount() {
    return static_cast<std::int32_t>(waveOutGetNumDevs());
}

std::int32_t Win32MediaPort::PlaySoundFile(const char* name, std::uint32_t flags) {
    if (name == nullptr) {
        return PlaySoundW(nullptr, nullptr, flags);
    }
    return PlaySoundW(text::WideFromCp932(text::Cp932View(name)).c_str(), nullptr, flags);
}

}  // namespace velmora::music
