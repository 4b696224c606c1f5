#pragma once
// The program's texts are code page 932: a lead byte (0x81-0x9F, 0xE0-0xFC)
// and the byte after it make one character. The second byte may look like
// "\" or an ASCII letter (表 is 95 5C, ピ is 83 73), so every rule about paths,
// positions and letters here walks the text character by character.

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora::text {

// True for the first byte of a two-byte character.
inline bool IsLeadByte(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return (value >= 0x81 && value <= 0x9F) || (value >= 0xE0 && value <= 0xFC);
}

// Bytes of the character that starts at `offset`; a lead byte at the very
// end stands alone.
inline std::size_t CharacterLength(std::string_view text, std::size_t offset) {
    return IsLeadByte(text[offset]) && offset + 1 < text.size() ? 2 : 1;
}
// A UTF-16 unit stands alone: the same walks run over wide texts.
inline std::size_t CharacterLength(std::u16string_view, std::size_t) {
    return 1;
}

// The character at `position` (counting from 1); "" past the end.
std::string_view CharacterAt(std::string_view text, std::size_t position);

// The text from the character at `position` (counting from 1) to its end.
std::string_view FromCharacter(std::string_view text, std::size_t position);

// The last `count` characters (the whole text when it is shorter).
std::string_view LastCharacters(std::string_view text, std::size_t count);

// ASCII letters a to z upper-cased; every other character as it is.
std::string UpperAscii(std::string_view text);

// The path rules below hold for UTF-16 paths too, one unit a character.

// The folder of a path: up to its last separator character ("\" or "/"),
// kept at a drive root ("C:\"); "" when there is none.
std::string FolderOf(std::string_view path);
std::u16string FolderOf(std::u16string_view path);

// A file in a folder: one "\" between them, none added at a drive root or
// after a folder that already ends in a separator character.
std::string InFolder(std::string_view folder, std::string_view file_name);
std::u16string InFolder(std::u16string_view folder, std::u16string_view file_name);

// The path without one trailing "\" character.
std::string_view WithoutTrailingSeparator(std::string_view path);

// The last three characters of a file name upper-cased ("WAV", "MP3").
std::string FileTypeEnding(std::string_view file_name);

}  // namespace velmora::text
