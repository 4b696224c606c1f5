#include "text/core/cp932_text.h"

#include <utility>

#include "text/core/ascii_text.h"

namespace velmora::text {

namespace {

// A UTF-16 unit stands alone: the path rules run over wide texts too.
using text::CharacterLength;
std::size_t CharacterLength(std::u16string_view, std::size_t) {
    return 1;
}
std::size_t CharacterLength(std::wstring_view, std::size_t) {
    return 1;
}

// Byte offset of the character at `position` (counting from 1), or the
// text's size when it has fewer characters.
std::size_t OffsetOf(std::string_view text, std::size_t position) {
    std::size_t offset = 0;
    for (std::size_t n = 1; n < position && offset < text.size(); ++n) {
        offset += CharacterLength(text, offset);
    }
    return offset;
}

// Whether the character at an offset is a separator ("\" or "/").
template <typename Unit>
bool IsSeparatorAt(std::basic_string_view<Unit> text, std::size_t offset) {
    return CharacterLength(text, offset) == 1 &&
           (text[offset] == Unit('\\') || text[offset] == Unit('/'));
}

// The offset of the last character.
template <typename Unit>
std::size_t LastCharacterOffset(std::basic_string_view<Unit> text) {
    std::size_t last = 0;
    for (std::size_t offset = 0; offset < text.size(); offset += CharacterLength(text, offset)) {
        last = offset;
    }
    return last;
}

// "C:\" and the like: a drive letter, a colon and a separator.
template <typename Unit>
bool IsDriveRoot(std::basic_string_view<Unit> folder) {
    if (folder.size() != 3 || folder[1] != Unit(':') || folder[2] != Unit('\\')) {
        return false;
    }
    const Unit drive = folder[0];
    return (drive >= Unit('A') && drive <= Unit('Z')) || (drive >= Unit('a') && drive <= Unit('z'));
}

template <typename Unit>
std::basic_string<Unit> FolderOfPath(std::basic_string_view<Unit> path) {
    std::size_t last = std::basic_string_view<Unit>::npos;
    for (std::size_t offset = 0; offset < path.size(); offset += CharacterLength(path, offset)) {
        if (IsSeparatorAt(path, offset)) {
            last = offset;
        }
    }
    if (last == std::basic_string_view<Unit>::npos) {
        return {};
    }
    // "C:\Velmora.scr" lives in "C:\", not in the drive-relative "C:".
    const bool drive_root = IsDriveRoot(path.substr(0, 3)) && last == 2;
    return std::basic_string<Unit>(path.substr(0, drive_root ? last + 1 : last));
}

template <typename Unit>
std::basic_string<Unit> FileInFolder(std::basic_string_view<Unit> folder,
                                     std::basic_string_view<Unit> file_name) {
    std::basic_string<Unit> path(folder);
    const bool ends_in_separator =
        !folder.empty() && IsSeparatorAt(folder, LastCharacterOffset(folder));
    if (!IsDriveRoot(folder) && !ends_in_separator) {
        path += Unit('\\');
    }
    path += file_name;
    return path;
}

}  // namespace

Cp932View CharacterAt(Cp932View text, std::size_t position) {
    const std::string_view bytes = text.Bytes();
    const std::size_t offset = OffsetOf(bytes, position);
    if (position == 0 || offset >= bytes.size()) {
        return {};
    }
    return Cp932View(bytes.substr(offset, CharacterLength(bytes, offset)));
}

Cp932View FromCharacter(Cp932View text, std::size_t position) {
    return Cp932View(text.Bytes().substr(OffsetOf(text.Bytes(), position)));
}

Cp932View LastCharacters(Cp932View text, std::size_t count) {
    const std::string_view bytes = text.Bytes();
    std::size_t characters = 0;
    for (std::size_t offset = 0; offset < bytes.size(); offset += CharacterLength(bytes, offset)) {
        ++characters;
    }
    return characters <= count ? text : FromCharacter(text, characters - count + 1);
}

Cp932String UpperAscii(Cp932View text) {
    std::string upper(text.Bytes());
    for (std::size_t offset = 0; offset < upper.size(); offset += CharacterLength(upper, offset)) {
        upper[offset] = AsciiUpper(upper[offset]);
    }
    return Cp932String(std::move(upper));
}

Cp932String FolderOf(Cp932View path) {
    return Cp932String(FolderOfPath(path.Bytes()));
}

std::u16string FolderOf(std::u16string_view path) {
    return FolderOfPath(path);
}

std::wstring FolderOf(std::wstring_view path) {
    return FolderOfPath(path);
}

Cp932String InFolder(Cp932View folder, Cp932View file_name) {
    return Cp932String(FileInFolder(folder.Bytes(), file_name.Bytes()));
}

std::u16string InFolder(std::u16string_view folder, std::u16string_view file_name) {
    return FileInFolder(folder, file_name);
}

std::wstring InFolder(std::wstring_view folder, std::wstring_view file_name) {
    return FileInFolder(folder, file_name);
}

Cp932View WithoutTrailingSeparator(Cp932View path) {
    std::string_view bytes = path.Bytes();
    if (!bytes.empty() && bytes.substr(LastCharacterOffset(bytes)) == "\\") {
        bytes.remove_suffix(1);
    }
    return Cp932View(bytes);
}

Cp932String FileTypeEnding(Cp932View file_name) {
    return UpperAscii(LastCharacters(file_name, 3));
}

}  // namespace velmora::text
