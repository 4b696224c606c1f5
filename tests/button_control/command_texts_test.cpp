// The control's Japanese texts are the code-page-932 form of their readable text.

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "button_control/core/command_texts.h"

namespace velmora::button_control {
namespace {

std::string Cp932ToUtf8(const std::string& bytes) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    std::string input = bytes;
    std::string output(bytes.size() * 4, '\0');
    char* in = input.data();
    char* out = output.data();
    std::size_t in_left = input.size();
    std::size_t out_left = output.size();
    const std::size_t result = iconv(cd, &in, &in_left, &out, &out_left);
    iconv_close(cd);
    EXPECT_NE(result, static_cast<std::size_t>(-1));
    output.resize(output.size() - out_left);
    return output;
}

TEST(CommandTexts, DesignedFontName) {
    EXPECT_EQ(Cp932ToUtf8(kDesignedFontName), "ＭＳ Ｐゴシック");
}

}  // namespace
}  // namespace velmora::button_control
