#include "text/core/cp932_text.h"

#include "text/core/ascii_text.h"

namespace velmora::text {

namespace {

// Byte offset of the character at `position` (counting from 1), or the
// text's size when it has fewer characters.
std::size_t OffsetOf(std::string_view text, std::size_t position) {
    std::size_t offset = 0;
    for (std::size_t n = 1; n < position && offset < text.size(); ++n) {
        offset += CharacterLength(text, offset);
    }
    return offset;
}

bool IsSeparator(std::string_view character) {
    return character == "\\" || character == "/";
}

// The byte offset of the last character.
std::size_t LastCharacterOffset(std::string_view text) {
    std::size_t last = 0;
    for (std::size_t offset = 0; offset < text.size(); offset += CharacterLength(text, offset)) {
        last = offset;
    }
    return last;
}

// "C:\" and the like: a drive letter, a colon and a separator.
bool IsDriveRoot(std::string_view folder) {
    if (folder.size() != 3 || folder[1] != ':' || folder[2] != '\\') {
        return false;
    }
    const char drive = UpperAscii(folder.substr(0, 1))[0];
    return drive >= 'A' && drive <= 'Z';
}

}  // namespace

bool IsLeadByte(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return (value >= 0x81 && value <= 0x9F) || (value >= 0xE0 && value <= 0xFC);
}

std::size_t CharacterLength(std::string_view text, std::size_t offset) {
    return IsLeadByte(text[offset]) && offset + 1 < text.size() ? 2 : 1;
}

std::string_view CharacterAt(std::string_view text, std::size_t position) {
    const std::size_t offset = OffsetOf(text, position);
    if (position == 0 || offset >= text.size()) {
        return {};
    }
    return text.substr(offset, CharacterLength(text, offset));
}

std::string_view FromCharacter(std::string_view text, std::size_t position) {
    return text.substr(OffsetOf(text, position));
}

std::string_view LastCharacters(std::string_view text, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t offset = 0; offset < text.size(); offset += CharacterLength(text, offset)) {
        ++characters;
    }
    return characters <= count ? text : FromCharacter(text, characters - count + 1);
}

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (std::size_t offset = 0; offset < upper.size(); offset += CharacterLength(upper, offset)) {
        upper[offset] = AsciiUpper(upper[offset]);
    }
    return upper;
}

std::string FolderOf(std::string_view path) {
    std::size_t last = std::string_view::npos;
    for (std::size_t offset = 0; offset < path.size(); offset += CharacterLength(path, offset)) {
        if (IsSeparator(path.substr(offset, CharacterLength(path, offset)))) {
            last = offset;
        }
    }
    if (last == std::string_view::npos) {
        return std::string();
    }
    // "C:\Velmora.scr" lives in "C:\", not in the drive-relative "C:".
    const bool drive_root = IsDriveRoot(path.substr(0, 3)) && last == 2;
    return std::string(path.substr(0, drive_root ? last + 1 : last));
}

std::string InFolder(std::string_view folder, std::string_view file_name) {
    std::string path(folder);
    const bool ends_in_separator =
        !folder.empty() && IsSeparator(folder.substr(LastCharacterOffset(folder)));
    if (!IsDriveRoot(folder) && !ends_in_separator) {
        path += '\\';
    }
    path += file_name;
    return path;
}

std::string_view WithoutTrailingSeparator(std::string_view path) {
    if (!path.empty() && path.substr(LastCharacterOffset(path)) == "\\") {
        path.remove_suffix(1);
    }
    return path;
}

std::string FileTypeEnding(std::string_view file_name) {
    return UpperAscii(LastCharacters(file_name, 3));
}

}  // namespace velmora::text
