// Which form of a chosen path is kept and which is played.
#include "text/core/path_forms.h"

#include <gtest/gtest.h>

#include "tests/support/encoded_text_printing.h"

namespace velmora::text {
namespace {

using namespace literals;

PathForm Form(Cp932View cp932, std::size_t length, bool whole = true) {
    return {Cp932String(cp932), whole, length};
}

TEST(PathForms, ThePathIsKeptWhenCodePage932NamesItElseItsShortForm) {
    const PathForm path = Form("C:\\caf?\\a.wav"_cp932, 13, false);
    EXPECT_EQ(KeptName({Form("C:\\a.wav"_cp932, 8), Form("C:\\A~1.WAV"_cp932, 10)}),
              "C:\\a.wav"_cp932);
    EXPECT_EQ(KeptName({path, Form("C:\\CAF~1\\a.wav"_cp932, 14)}), "C:\\CAF~1\\a.wav"_cp932);
    EXPECT_EQ(KeptName({path, Form("C:\\caf?\\a.wav"_cp932, 13, false)}), std::nullopt);
    EXPECT_EQ(KeptName({path, std::nullopt}), std::nullopt);
}

// The sound calls open fewer than 128 characters: a path that long plays by
// its short form, and only one short enough and named whole will do.
TEST(PathForms, ATooLongPathPlaysByItsShortFormWhenThatFits) {
    const Cp932String long_bytes(std::string(kSoundCallPathLimit, 'x'));
    const PathForm fits = Form("C:\\X~1.WAV"_cp932, 10);
    for (const std::size_t length : {std::size_t{8}, kSoundCallPathLimit - 1}) {
        EXPECT_EQ(SoundCallForm({Form("C:\\a.wav"_cp932, length), fits}), "C:\\a.wav"_cp932);
    }
    const PathForm too_long = Form(long_bytes, kSoundCallPathLimit);
    EXPECT_EQ(SoundCallForm({too_long, fits}), "C:\\X~1.WAV"_cp932);
    EXPECT_EQ(SoundCallForm({Form("C:\\caf?.wav"_cp932, 11, false), fits}), "C:\\X~1.WAV"_cp932);
    EXPECT_EQ(SoundCallForm({too_long, std::nullopt}), std::nullopt);
    EXPECT_EQ(SoundCallForm({too_long, too_long}), std::nullopt);
    EXPECT_EQ(SoundCallForm({too_long, Form("C:\\?.WAV"_cp932, 8, false)}), std::nullopt);
}

}  // namespace
}  // namespace velmora::text
