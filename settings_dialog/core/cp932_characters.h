#pragma once
// The dialog's texts are code page 932: a lead byte (0x81-0x9F, 0xE0-0xFC)
// and the byte after it make one character, and that second byte may look
// like "\" or an ASCII digit, so the dialog walks its texts character by
// character.

#include <cstddef>
#include <string_view>

namespace velmora::settings_dialog {

// Bytes of the character that starts at `offset`; a lead byte at the very end
// stands alone.
inline std::size_t CharacterLength(std::string_view text, std::size_t offset) {
    const auto byte = static_cast<unsigned char>(text[offset]);
    const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    return lead && offset + 1 < text.size() ? 2 : 1;
}

}  // namespace velmora::settings_dialog
