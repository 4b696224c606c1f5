// The dialog's Japanese texts are the code-page-932 bytes of their readable forms.
#include <iconv.h>

#include <gtest/gtest.h>

#include <string>

#include "settings_dialog/core/dialog_texts.h"
#include "settings_dialog/core/velmora_p.h"

namespace velmora::settings_dialog {
namespace {

std::string ToUtf8(const std::string& cp932) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "iconv has no CP932";
        return {};
    }
    std::string in = cp932;
    std::string out(in.size() * 4 + 4, '\0');
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

TEST(DialogTexts, JapaneseTextsAreTheirCp932Bytes) {
    EXPECT_EQ(ToUtf8(kCaptionRepeatTrack), "曲目をﾘﾋﾟｰﾄ");
    EXPECT_EQ(ToUtf8(kCaptionNone), "無し");
    EXPECT_EQ(ToUtf8(kCaptionCd), "音楽CD");
    EXPECT_EQ(ToUtf8(kCaptionFile), "MP3、WAV");
    EXPECT_EQ(ToUtf8(kCaptionSave), "設定");
    EXPECT_EQ(ToUtf8(kCaptionCancel), "ｷｬﾝｾﾙ");
    EXPECT_EQ(ToUtf8(kCaptionOtherWorks), "その他の作品");
    EXPECT_EQ(ToUtf8(kFileFilterDescription), "BGMﾌｧｲﾙ (MP3 WAV)");
    EXPECT_EQ(ToUtf8(kFileDialogTitle), "ﾌｧｲﾙを開く");
}

TEST(DialogTexts, FileRequestCarriesOneFilterPairAndTheTitle) {
    const OpenFileRequest request = MusicFileRequest();
    EXPECT_EQ(request.filter, std::string("BGM\xCC\xA7\xB2\xD9 (MP3 WAV)\0*.MP3;*.WAV\0\0", 31));
    EXPECT_EQ(ToUtf8(request.title), "ﾌｧｲﾙを開く");
    EXPECT_EQ(request.file_buffer_size, 255u);
    EXPECT_EQ(request.title_buffer_size, 255u);
}

}  // namespace
}  // namespace velmora::settings_dialog
