#pragma once
// The program's texts are code page 932: a lead byte (0x81-0x9F, 0xE0-0xFC)
// and the byte after it make one character. The second byte may look like
// "\" or an ASCII letter (表 is 95 5C, ピ is 83 73), so every rule about paths,
// positions and letters here walks the text character by character.

#include <cstddef>
#include <string>
#include <string_view>

#include "text/core/cp932_string.h"

namespace velmora::text {

// True for the first byte of a two-byte character.
inline bool IsLeadByte(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return (value >= 0x81 && value <= 0x9F) || (value >= 0xE0 && value <= 0xFC);
}

// Bytes of the character that starts at `offset` of code page 932 bytes; a
// lead byte at the very end stands alone.
inline std::size_t CharacterLength(std::string_view cp932_bytes, std::size_t offset) {
    return IsLeadByte(cp932_bytes[offset]) && offset + 1 < cp932_bytes.size() ? 2 : 1;
}
inline std::size_t CharacterLength(Cp932View text, std::size_t offset) {
    return CharacterLength(text.Bytes(), offset);
}

// The character at `position` (counting from 1); "" past the end.
Cp932View CharacterAt(Cp932View text, std::size_t position);

// The text from the character at `position` (counting from 1) to its end.
Cp932View FromCharacter(Cp932View text, std::size_t position);

// The last `count` characters (the whole text when it is shorter).
Cp932View LastCharacters(Cp932View text, std::size_t count);

// ASCII letters a to z upper-cased; every other character as it is.
Cp932String UpperAscii(Cp932View text);

// The path rules below hold for UTF-16 and wide paths too, one unit a
// character.

// The folder of a path: up to its last separator character ("\" or "/"),
// kept at a drive root ("C:\"); "" when there is none.
Cp932String FolderOf(Cp932View path);
std::u16string FolderOf(std::u16string_view path);
std::wstring FolderOf(std::wstring_view path);

// A file in a folder: one "\" between them, none added at a drive root or
// after a folder that already ends in a separator character.
Cp932String InFolder(Cp932View folder, Cp932View file_name);
std::u16string InFolder(std::u16string_view folder, std::u16string_view file_name);
std::wstring InFolder(std::wstring_view folder, std::wstring_view file_name);

// The path without one trailing "\" character.
Cp932View WithoutTrailingSeparator(Cp932View path);

// The last three characters of a file name upper-cased ("WAV", "MP3").
Cp932String FileTypeEnding(Cp932View file_name);

}  // namespace velmora::text
