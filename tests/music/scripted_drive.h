#pragma once
// A scripted stand-in for the platform's media calls: records every call and
// answers each command from a script (success with an empty reply unless told).

#include <algorithm>
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
        std::uint32_t reply_length;
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

    // A reply is handed back as the driver wrote it, cut to the length asked for.
    MediaAnswer SendCommand(text::Cp932View command, std::uint32_t reply_length) override {
        calls.push_back({std::string(command.Bytes()), reply_length});
        const auto it = answers_.find(std::string(command.Bytes()));
        if (it == answers_.end()) {
            return {};
        }
        return {it->second.first, text::Cp932String(it->second.second.substr(0, reply_length))};
    }

    std::int32_t SoundOutputCount() override { return sound_outputs; }
    void PlayLooping(text::Cp932View file) override { sounds.emplace_back(file.Bytes()); }
    void StopSound() override { sounds.push_back(kStopped); }

    static constexpr char kStopped[] = "(stopped)";

    std::vector<Call> calls;
    std::vector<std::string> sounds;  // each file played, kStopped for each stop
    std::int32_t sound_outputs = 1;

  private:
    std::map<std::string, std::pair<std::int32_t, std::string>> answers_;
};

}  // namespace velmora::music::testing
