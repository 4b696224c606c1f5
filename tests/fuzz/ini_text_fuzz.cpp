// The settings file's reader and editor on any bytes: the first byte picks
// the section, key and value written (the pieces the random file tests ask
// for), the rest is the file. Every pair asked for reads without a fault; the
// value written reads back, and every other pair reads as before, but for a
// code page 932 file cut off after a lead byte: whatever is added after it
// becomes that character's second byte.
#include <string>
#include <string_view>

#include "settings/core/ini_text.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/settings/support/ini_pieces.h"
#include "tests/support/fake_settings_files.h"
#include "text/core/cp932_text.h"

namespace velmora::fuzz {
namespace {

using settings::ReadIniValue;
using settings::WithIniValues;

const std::string& PieceAt(const std::vector<std::string>& pieces, unsigned choice) {
    return pieces[choice % pieces.size()];
}

bool EndsInsideCharacter(std::string_view file) {
    if (settings::EncodingOf(file) != settings::IniEncoding::Cp932) {
        return false;
    }
    std::size_t last = 0;
    for (std::size_t at = 0; at < file.size(); at += text::CharacterLength(file, at)) {
        last = at;
    }
    return last + 1 == file.size() && text::IsLeadByte(file[last]);
}

void CheckEdit(unsigned choice, std::string_view file) {
    testing::FakeSettingsFiles codec;
    testing::IniPieces pieces(choice);
    const text::Cp932String section(PieceAt(testing::kAskedSections, choice));
    const text::Cp932String key(PieceAt(testing::kAskedKeys, choice / 3));
    const text::Cp932String value(pieces.Value());
    const std::string written = WithIniValues(file, section, {{key, value}}, codec);
    Require(ReadIniValue(written, section, key, codec) == value, "the value written reads back");
    for (const std::string& other_section_bytes : testing::kAskedSections) {
        for (const std::string& other_key_bytes : testing::kAskedKeys) {
            const text::Cp932View other_section(other_section_bytes);
            const text::Cp932View other_key(other_key_bytes);
            if ((other_section != section || other_key != key) && !EndsInsideCharacter(file)) {
                Require(ReadIniValue(written, other_section, other_key, codec) ==
                            ReadIniValue(file, other_section, other_key, codec),
                        "the other keys read as before");
            }
        }
    }
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    velmora::fuzz::CheckEdit(data[0], bytes.substr(1));
    return 0;
}
