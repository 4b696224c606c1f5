// The platform's open-file request as the dialog makes it.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/cp932_text.h"
#include "settings_dialog/core/dialog_texts.h"
#include "settings_dialog/core/settings_dialog.h"

namespace velmora::settings_dialog {
namespace {

using velmora::testing::Cp932ToUtf8;

TEST(DialogTexts, FileRequestCarriesOneFilterPairAndTheTitle) {
    const OpenFileRequest request = MusicFileRequest();
    const std::string filter = "BGMﾌｧｲﾙ (MP3 WAV)" + std::string(1, '\0') + "*.MP3;*.WAV";
    EXPECT_EQ(Cp932ToUtf8(request.filter), filter + std::string(2, '\0'));
    EXPECT_EQ(Cp932ToUtf8(request.title), "ﾌｧｲﾙを開く");
    EXPECT_EQ(request.file_buffer_size, 255u);
    EXPECT_EQ(request.title_buffer_size, 255u);
}

}  // namespace
}  // namespace velmora::settings_dialog
