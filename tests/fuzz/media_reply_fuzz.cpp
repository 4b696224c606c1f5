// The text a media driver writes into a reply buffer, as the players read it:
// the error mark, the mode word and the numbers, without a fault, and the
// number readers agreeing where their rules overlap.
#include <string_view>

#include "music/core/mci_text.h"
#include "tests/fuzz/fuzz_check.h"
#include "text/core/ascii_text.h"
#include "text/core/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using velmora::fuzz::Require;
    namespace music = velmora::music;
    namespace text = velmora::text;
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    const text::Cp932View reply_text(reply);

    static_cast<void>(music::HasErrorMark(reply_text));
    static_cast<void>(music::ModeIs(reply_text, "playing"));

    const auto whole_integer = text::ParseWholeInteger(reply);
    const auto whole_number = text::ParseWholeNumber(reply);
    static_cast<void>(text::Narrowed<std::int32_t>(whole_integer));
    if (whole_integer) {
        Require(whole_number && *whole_number == static_cast<double>(*whole_integer),
                "a whole integer reads as the same number");
    }
    if (whole_number) {
        Require(text::ReadNumberFromFront(reply) == *whole_number,
                "a whole number reads the same from the front");
    }
    return 0;
}
