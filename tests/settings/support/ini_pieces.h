// Settings files made at random from the pieces that trouble INI readers:
// headers without "]" or with several, second bytes 5C and 5D, key lines
// without "=", NULs, control spaces, quotes, mixed line breaks, duplicate
// sections and keys, long lines and values. Deterministic for a seed.
#pragma once

#include <random>
#include <string>
#include <vector>

namespace velmora::testing {

inline const char kPieceKind[] = "BGM\x8B\xE6\x95\xAA";        // BGM区分
inline const char kPieceRepeat[] = "BGM\xD8\xCB\xDF\xB0\xC4";  // BGMﾘﾋﾟｰﾄ
inline const char kPieceFile[] = "BGM\xCC\xA7\xB2\xD9";        // BGMﾌｧｲﾙ

// The sections and keys every generated file is asked for.
inline const std::vector<std::string> kAskedSections = {"Section", "a]b", "\x95\x5D"};
inline const std::vector<std::string> kAskedKeys = {kPieceKind, kPieceRepeat, kPieceFile, "K"};

class IniPieces {
  public:
    explicit IniPieces(unsigned seed) : random_(seed) {}

    // A file of 1 to 12 lines.
    std::string File() {
        std::string file;
        const int lines = Between(1, 12);
        for (int i = 0; i < lines; ++i) {
            file += Pick(blanks_) + Line() + Pick(blanks_) + Pick(breaks_);
        }
        return file;
    }

    // A value a save may write.
    std::string Value() {
        return Pick({"0", "2", "-1", "", "C:\\\x89\xB9\x8A\x79\\a b.mp3", "'q'", "\"q\"", " s ",
                     "\x95\x5C\x95\x5D", std::string(300, 'p'),
                     "D:\\" + std::string(140, 'x') + "\x95\x5C"});
    }

    std::string Line() {
        switch (Between(0, 5)) {
            case 0:
            case 1:
                return Pick(headers_);
            case 2:
                return Pick({"; note", "", "[" + std::string(4000, '['), "=", "\x95", "\x1A"});
            default:
                return Pick(keys_) + Pick(equals_) + Pick(Values());
        }
    }

    std::string Pick(const std::vector<std::string>& pieces) {
        return pieces[static_cast<std::size_t>(Between(0, static_cast<int>(pieces.size()) - 1))];
    }

  private:
    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }

    std::vector<std::string> Values() {
        return {"1",
                " 2 ",
                "\"3\"",
                "'4'",
                "\"",
                "\"5'",
                std::string("6\0007", 3),
                "\v8\f",
                "9\x1A",
                "\x95\x5C\x95\x5D",
                "\x95",
                "a=b",
                "[x]",
                std::string(600, 'v'),
                std::string("\x81\x40") + "10\x81\x40",
                " \"11\" "};
    }

    const std::vector<std::string> headers_ = {
        "[Section]",  "[section]",    "[ Section ]",  "[Section",
        "[Section]]", "[Section] ;x", "[a]b]",        "[a]b",
        "[\x95\x5D]", "[\x95\x5D",    "[Sec\x95]",    std::string("[Sec\0tion]", 10),
        "[Other]",    "[]",           "\t[Section]\v"};
    const std::vector<std::string> keys_ = {kPieceKind,
                                            kPieceRepeat,
                                            kPieceFile,
                                            "K",
                                            "k",
                                            " K",
                                            "bgm\x8B\xE6\x95\xAA",
                                            std::string("K\0x", 3),
                                            "K\x95",
                                            "K\x95\x5D",
                                            "\x81\x40K",
                                            "[K"};
    const std::vector<std::string> equals_ = {"=", " = ", "\t=\v", "", "==", " \x1A="};
    const std::vector<std::string> blanks_ = {"", "", "", " ", "\t", "\v", "\f", "\x1A"};
    const std::vector<std::string> breaks_ = {"\r\n", "\r\n", "\n", "\r", "\n\r", "\r\r\n", ""};

    std::mt19937 random_;
};

}  // namespace velmora::testing
