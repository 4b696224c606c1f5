#include "music/core/mci_text.h"

#include "text/core/ascii_text.h"
#include "text/core/cp932_text.h"

namespace velmora::music {

bool HasErrorMark(text::Cp932View reply) {
    static const char kMark[] = "ERR";
    const std::string_view text = reply.Bytes();
    std::size_t matched = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text::IsLeadByte(text[i])) {
            matched = 0;
            ++i;  // its second byte belongs to the same character
            continue;
        }
        const char upper = text::AsciiUpper(text[i]);
        if (upper == kMark[matched]) {
            if (++matched == 3) {
                return true;
            }
        } else {
            matched = upper == kMark[0] ? 1 : 0;
        }
    }
    return false;
}

}  // namespace velmora::music
