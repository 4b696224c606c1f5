// The dialog's Japanese texts are the code-page-932 bytes of their readable forms.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/cp932_text.h"
#include "settings_dialog/core/dialog_texts.h"
#include "settings_dialog/core/settings_dialog.h"

namespace velmora::settings_dialog {
namespace {

using velmora::testing::Cp932ToUtf8;

TEST(DialogTexts, JapaneseTextsAreTheirCp932Bytes) {
    EXPECT_EQ(Cp932ToUtf8(kCaptionRepeatTrack), "曲目をﾘﾋﾟｰﾄ");
    EXPECT_EQ(Cp932ToUtf8(kCaptionNone), "無し");
    EXPECT_EQ(Cp932ToUtf8(kCaptionCd), "音楽CD");
    EXPECT_EQ(Cp932ToUtf8(kCaptionFile), "MP3、WAV");
    EXPECT_EQ(Cp932ToUtf8(kCaptionSave), "設定");
    EXPECT_EQ(Cp932ToUtf8(kCaptionCancel), "ｷｬﾝｾﾙ");
    EXPECT_EQ(Cp932ToUtf8(kCaptionOtherWorks), "その他の作品");
    EXPECT_EQ(Cp932ToUtf8(kFileFilterDescription), "BGMﾌｧｲﾙ (MP3 WAV)");
    EXPECT_EQ(Cp932ToUtf8(kFileDialogTitle), "ﾌｧｲﾙを開く");
    EXPECT_EQ(Cp932ToUtf8(kTooLongFileMessage),
              "このファイルはパスが長すぎ、短い名前もないため再生できません：");
}

TEST(DialogTexts, FileRequestCarriesOneFilterPairAndTheTitle) {
    const OpenFileRequest request = MusicFileRequest();
    EXPECT_EQ(request.filter, std::string("BGM\xCC\xA7\xB2\xD9 (MP3 WAV)\0*.MP3;*.WAV\0\0", 31));
    EXPECT_EQ(Cp932ToUtf8(request.title), "ﾌｧｲﾙを開く");
    EXPECT_EQ(request.file_buffer_size, 255u);
    EXPECT_EQ(request.title_buffer_size, 255u);
}

}  // namespace
}  // namespace velmora::settings_dialog
