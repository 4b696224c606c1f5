#include "music/core/media_commands.h"

#include "music/core/mci_text.h"
#include "music/core/music_texts.h"

namespace velmora::music {

std::int32_t MediaCommands::Send(const text::Cp932String& command, text::Cp932String& output) {
    if (command.empty()) {
        output = kNoCommandText;
        return -1;
    }
    const std::int32_t code = SendInto(command, reply_buffer_, kReplyBufferSize);
    last_result_ = code;
    if (code != 0) {
        error_buffer_.fill('\0');
        if (port_.ErrorString(code, error_buffer_.data(), kErrorBufferSize)) {
            output = ReplyText(error_buffer_.data(), error_buffer_.size());
        } else {
            output = kNoErrorText;
        }
        return code;
    }
    output = ReplyText(reply_buffer_.data(), reply_buffer_.size());
    return 0;
}

text::Cp932String MediaCommands::Query(const text::Cp932String& command) {
    last_result_ = Send(command, last_reply_);
    if (last_result_ != 0) {
        return "Error:" + std::to_string(last_result_);
    }
    return last_reply_;
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
    return Send(command, last_reply_);
}

}  // namespace velmora::music
