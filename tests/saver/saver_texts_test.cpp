// The code-page-932 bytes of the texts against their readable form.
#include <iconv.h>

#include <gtest/gtest.h>

#include <string>

#include "saver/core/saver_texts.h"

namespace velmora::saver {
namespace {

std::string FromCp932(const std::string& bytes) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    std::string in = bytes;
    std::string out(bytes.size() * 4 + 4, '\0');
    char* in_ptr = in.data();
    char* out_ptr = out.data();
    std::size_t in_left = in.size();
    std::size_t out_left = out.size();
    const std::size_t result = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
    iconv_close(cd);
    EXPECT_NE(result, static_cast<std::size_t>(-1));
    out.resize(out.size() - out_left);
    return out;
}

TEST(SaverTexts, JapaneseTextsAreTheirCp932Bytes) {
    EXPECT_EQ(FromCp932(kKeyKind), "BGM区分");
    EXPECT_EQ(FromCp932(kKeyRepeatTrack), "BGMﾘﾋﾟｰﾄ");
    EXPECT_EQ(FromCp932(kKeyFile), "BGMﾌｧｲﾙ");
    EXPECT_EQ(FromCp932(kMissingRendererMessage),
              "Velmora.dll が Velmora.scr と同じﾌｫﾙﾀﾞに見つかりません！");
}

TEST(SaverTexts, KeysAreTheFileFormatsBytes) {
    // The settings file stays readable by every earlier copy of the program.
    EXPECT_EQ(std::string(kKeyKind), "\x42\x47\x4D\x8B\xE6\x95\xAA");
    EXPECT_EQ(std::string(kKeyRepeatTrack), "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4");
    EXPECT_EQ(std::string(kKeyFile), "\x42\x47\x4D\xCC\xA7\xB2\xD9");
}

}  // namespace
}  // namespace velmora::saver
