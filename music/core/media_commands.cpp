#include "music/core/media_commands.h"

#include <string>

#include "music/core/mci_text.h"

namespace velmora::music {

std::int32_t MediaCommands::SendWithReply(const text::Cp932String& command) {
    if (command.empty()) {
        return -1;
    }
    return SendInto(command, reply_buffer_, kReplyBufferSize);
}

text::Cp932String MediaCommands::Query(const text::Cp932String& command) {
    const std::int32_t code = SendWithReply(command);
    if (code != 0) {
        return "Error:" + std::to_string(code);
    }
    return ReplyText(reply_buffer_.data(), reply_buffer_.size());
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
    return SendWithReply(command);
}

}  // namespace velmora::music
