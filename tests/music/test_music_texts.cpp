// The music module's Japanese texts are the code-page-932 bytes of their readable forms.

#include <iconv.h>

#include <gtest/gtest.h>

#include <string>

#include "music/core/bgm_texts.h"

namespace velmora::music {
namespace {

std::string ToUtf8(const std::string& cp932) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "iconv has no CP932";
        return {};
    }
    std::string in = cp932;
    std::string out(in.size() * 4, '\0');
    char* src = in.data();
    char* dst = out.data();
    std::size_t src_left = in.size();
    std::size_t dst_left = out.size();
    const std::size_t converted = iconv(cd, &src, &src_left, &dst, &dst_left);
    iconv_close(cd);
    EXPECT_NE(converted, static_cast<std::size_t>(-1));
    out.resize(out.size() - dst_left);
    return out;
}

TEST(MusicTexts, AreTheCodePage932BytesOfTheirReadableForms) {
    EXPECT_EQ(ToUtf8(kNoCommandText), "コマンド文字列が指定されていません");
    EXPECT_EQ(ToUtf8(kNoErrorText), "Error (文字列が取れません)");
}

}  // namespace
}  // namespace velmora::music
