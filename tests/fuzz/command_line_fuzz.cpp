// The program's command line, as any caller may pass it: the argument text is
// the line's end after the program's path and the blanks behind it, and the
// request and the preview host's number are read from it without a fault.
#include <string_view>

#include "saver/core/command_line.h"
#include "tests/fuzz/fuzz_check.h"
#include "text/core/ascii_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using velmora::fuzz::Require;
    namespace saver = velmora::saver;
    namespace text = velmora::text;
    const std::string_view command_line(reinterpret_cast<const char*>(data), size);
    const text::Cp932String argument_text = saver::ArgumentText(text::Cp932View(command_line));
    const std::string_view argument = argument_text.Bytes();
    Require(argument.size() <= command_line.size() &&
                command_line.substr(command_line.size() - argument.size()) == argument,
            "the argument text ends the command line");
    Require(argument.empty() || !text::IsBlank(argument.front()),
            "the argument text starts after the blanks");
    const char letter = saver::ModeLetter(argument_text);
    Require(!(letter >= 'a' && letter <= 'z'), "the request's letter is upper-cased");
    static_cast<void>(saver::PreviewHostHandle(argument_text));
    return 0;
}
