#include "music/core/media_commands.h"

#include <string>

#include "music/core/mci_text.h"

namespace velmora::music {

using namespace text::literals;

std::int32_t MediaCommands::SendWithReply(text::Cp932View command) {
    if (command.Empty()) {
        return -1;
    }
    return SendInto(command, reply_buffer_, kReplyBufferSize);
}

text::Cp932String MediaCommands::Query(text::Cp932View command) {
    const std::int32_t code = SendWithReply(command);
    if (code != 0) {
        return text::Cp932String("Error:" + std::to_string(code));
    }
    return ReplyText(reply_buffer_.data(), reply_buffer_.size());
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
    return SendWithReply(command);
}

}  // namespace velmora::music
