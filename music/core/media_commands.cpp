#include "music/core/media_commands.h"

#include <string>

namespace velmora::music {

using namespace text::literals;

text::Cp932String MediaCommands::Query(text::Cp932View command) {
    const MediaAnswer answer =
        command.Empty() ? MediaAnswer{-1, {}} : SendForReply(command, kReplyLength);
    if (answer.code != 0) {
        return text::Cp932String("Error:" + std::to_string(answer.code));
    }
    return answer.reply;
}

std::int32_t MediaCommands::Play(text::Cp932View device, text::Cp932View from, text::Cp932View to) {
    text::Cp932String command = "play "_cp932 + device;
    if (!from.Empty()) {
        command += " from "_cp932;
        command += from;
    }
    if (!to.Empty()) {
        command += " to "_cp932;
        command += to;
    }
    return SendForReply(command, kReplyLength).code;
}

}  // namespace velmora::music
