#include "saver/core/command_line.h"

#include <cmath>
#include <limits>

#include "text/core/ascii_text.h"
#include "text/core/cp932_text.h"
#include "text/core/number_text.h"

namespace velmora::saver {

using text::IsBlank;

text::Cp932String ArgumentText(text::Cp932View command_line_text) {
    const std::string_view command_line = command_line_text.Bytes();
    // A quoted program path ends at its closing quote, an unquoted one at the
    // first blank (the C runtime's rule for the program name).
    std::size_t i = 0;
    if (!command_line.empty() && command_line[0] == '"') {
        const std::size_t close = command_line.find('"', 1);
        i = close == std::string_view::npos ? command_line.size() : close + 1;
    } else {
        while (i < command_line.size() && !IsBlank(command_line[i])) {
            ++i;
        }
    }
    while (i < command_line.size() && IsBlank(command_line[i])) {
        ++i;
    }
    return text::Cp932String(text::Cp932View(command_line.substr(i)));
}

char ModeLetter(text::Cp932View argument_text) {
    // A two-byte character there is no letter, whatever its second byte.
    const text::Cp932View character = text::CharacterAt(argument_text, 2);
    return character.Size() == 1 ? text::AsciiUpper(character.Bytes()[0]) : '\0';
}

std::int32_t PreviewHostHandle(text::Cp932View argument_text) {
    const double nearest =
        std::nearbyint(text::ReadNumberFromFront(text::FromCharacter(argument_text, 4).Bytes()));
    if (!(nearest >= std::numeric_limits<std::int32_t>::min() &&
          nearest <= std::numeric_limits<std::int32_t>::max())) {
        return 0;
    }
    return static_cast<std::int32_t>(nearest);
}

}  // namespace velmora::saver
