#include "music/core/media_commands.h"

#include <string>

namespace velmora::music {

text::Cp932String MediaCommands::Query(const text::Cp932String& command) {
    const MediaAnswer answer =
        command.empty() ? MediaAnswer{-1, {}} : SendForReply(command, kReplyLength);
    if (answer.code != 0) {
        return "Error:" + std::to_string(answer.code);
    }
    return answer.reply;
}

std::int32_t MediaCommands::Play(const text::Cp932String& device, const text::Cp932String& from,
                                 const text::Cp932String& to) {
    text::Cp932String command = "play " + device;
    if (!from.empty()) {
        command += " from " + from;
    }
    if (!to.empty()) {
        command += " to " + to;
    }
    return SendForReply(command, kReplyLength).code;
}

}  // namespace velmora::music
