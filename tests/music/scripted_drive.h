#pragma once
// A scripted stand-in for the platform's media calls: records every call and
// answers each command from a script (success with an empty reply unless told).

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "music/core/media_port.h"

namespace velmora::music::testing {

class ScriptedDrive : public MediaPort {
  public:
    struct Call {
        std::string command;
        bool with_buffer;
        std::uint32_t size;
    };
    struct Sound {
        bool with_name;
        std::string name;
        std::uint32_t flags;
    };

    void Answer(const std::string& command, std::int32_t code, std::string reply = "") {
        answers_[command] = {code, std::move(reply)};
    }

    std::vector<std::string> Commands() const {
        std::vector<std::string> out;
        for (const Call& call : calls) {
            out.push_back(call.command);
        }
        return out;
    }
    const Call& LastCallOf(const std::string& command) const {
        return *std::find_if(calls.rbegin(), calls.rend(),
                             [&](const Call& call) { return call.command == command; });
    }

    std::int32_t SendString(text::Cp932View command, char* reply,
                            std::uint32_t reply_size) override {
        calls.push_back({std::string(command.Bytes()), reply != nullptr, reply_size});
        const auto it = answers_.find(calls.back().command);
        const std::int32_t code = it == answers_.end() ? 0 : it->second.first;
        if (code == 0 && reply != nullptr && reply_size > 0) {
            Write(it == answers_.end() ? std::string() : it->second.second, reply, reply_size);
        }
        return code;
    }

    std::int32_t WaveOutDeviceCount() override { return wave_devices; }

    std::int32_t PlaySoundFile(const char* name, std::uint32_t flags) override {
        sounds.push_back({name != nullptr, name ? name : "", flags});
        return play_result;
    }

    std::vector<Call> calls;
    std::vector<Sound> sounds;
    std::int32_t wave_devices = 1;
    std::int32_t play_result = 1;

  private:
    // Writes like a driver that uses the whole buffer it was given: the text
    // (cut to the size), a NUL when there is room, then filler that must not
    // be taken for part of the reply.
    static void Write(const std::string& text, char* buffer, std::uint32_t size) {
        const std::size_t n = std::min<std::size_t>(text.size(), size);
        std::memcpy(buffer, text.data(), n);
        if (n < size) {
            buffer[n] = '\0';
            std::memset(buffer + n + 1, '#', size - n - 1);
        }
    }

    std::map<std::string, std::pair<std::int32_t, std::string>> answers_;
};

}  // namespace velmora::music::testing
