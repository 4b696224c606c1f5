#include "music/win32/win32_media_port.h"

#include <windows.h>
#include <mmsystem.h>

namespace velmora::music {

std::int32_t Win32MediaPort::SendString(const std::string& command, char* reply,
                                        std::uint32_t reply_size) {
    return static_cast<std::int32_t>(mciSendStringA(command.c_str(), reply, reply_size, nullptr));
}

bool Win32MediaPort::ErrorString(std::int32_t code, char* buffer, std::uint32_t size) {
    return mciGetErrorStringA(static_cast<MCIERROR>(code), buffer, size) != FALSE;
}

std::int32_t Win32MediaPort::WaveOutDeviceCount() {
    return static_cast<std::int32_t>(waveOutGetNumDevs());
}

std::int32_t Win32MediaPort::PlaySoundFile(const char* name, std::uint32_t flags) {
    return PlaySoundA(name, nullptr, flags);
}

}  // namespace velmora::music
