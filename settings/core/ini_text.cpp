#include "settings/core/ini_text.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <type_traits>

#include "text/core/ascii_text.h"
#include "text/core/cp932_text.h"

namespace velmora::settings {

namespace {

constexpr char kUtf16Mark[] = "\xFF\xFE";
constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

// How a file's text is walked, character by character: in code page 932 a
// lead byte takes the byte after it along, whatever that byte is, as the
// platform's conversion does; a UTF-16 unit stands alone, and so does each
// byte of UTF-8. Line breaks, brackets, "=" and blanks are ASCII, which no
// byte of a longer UTF-8 character can be, so the walk over UTF-8 bytes finds
// the lines the reader finds, in place, even where the bytes are not valid
// UTF-8.
struct Cp932Walk {
    using Unit = char;
    static std::size_t Step(std::string_view text, std::size_t at) {
        return text::CharacterLength(text, at);
    }
};
struct Utf8Walk {
    using Unit = char;
    static std::size_t Step(std::string_view, std::size_t) { return 1; }
};
struct Utf16Walk {
    using Unit = char16_t;
    static std::size_t Step(std::u16string_view, std::size_t) { return 1; }
};

template <typename Walk>
using View = std::basic_string_view<typename Walk::Unit>;
template <typename Walk>
using String = std::basic_string<typename Walk::Unit>;

// The platform's profile reader drops these around lines, names and values:
// tab to carriage return, end-of-file (1A) and the blank.
template <typename Unit>
bool IsProfileSpace(Unit unit) {
    const auto value = static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<Unit>>(unit));
    return (value >= 0x09 && value <= 0x0D) || value == 0x1A || value == 0x20;
}

template <typename Unit>
bool IsLineBreak(Unit unit) {
    return unit == Unit('\r') || unit == Unit('\n');
}

// A part of the text by offsets.
struct Span {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool Empty() const { return begin >= end; }
};

// One line: its text, blanks dropped at both ends, and where its line breaks
// end. What the reader makes of it: a section header with its name, or a key
// line with its name and, when it has an "=", its value.
struct Line {
    std::size_t start = 0;  // the line's first unit
    std::size_t text_end = 0;
    std::size_t end = 0;
    Span trimmed;
    bool header = false;
    Span name;
    std::optional<Span> value;
};

// Where the text ends once its trailing spaces are dropped, found from the
// front (a space may be the second byte of a character).
template <typename Walk>
std::size_t EndWithoutSpaces(View<Walk> text, Span span) {
    std::size_t end = span.begin;
    for (std::size_t at = span.begin; at < span.end; at += Walk::Step(text, at)) {
        if (!IsProfileSpace(text[at])) {
            end = std::min(at + Walk::Step(text, at), span.end);
        }
    }
    return end;
}

template <typename Unit>
std::size_t BeginWithoutSpaces(std::basic_string_view<Unit> text, Span span) {
    while (span.begin < span.end && IsProfileSpace(text[span.begin])) {
        ++span.begin;
    }
    return span.begin;
}

template <typename Walk>
void ReadLine(View<Walk> text, Line& line) {
    using Unit = typename Walk::Unit;
    line.trimmed.begin = BeginWithoutSpaces(text, Span{line.start, line.text_end});
    line.trimmed.end = EndWithoutSpaces<Walk>(text, Span{line.trimmed.begin, line.text_end});
    const Span& trimmed = line.trimmed;
    if (trimmed.Empty()) {
        return;
    }
    if (text[trimmed.begin] == Unit('[')) {
        std::optional<std::size_t> last_bracket;
        for (std::size_t at = trimmed.begin; at < trimmed.end; at += Walk::Step(text, at)) {
            if (text[at] == Unit(']')) {
                last_bracket = at;
            }
        }
        if (last_bracket) {
            line.header = true;
            const Span inside{trimmed.begin + 1, *last_bracket};
            line.name.begin = BeginWithoutSpaces(text, inside);
            line.name.end = EndWithoutSpaces<Walk>(text, Span{line.name.begin, inside.end});
            return;
        }
    }
    std::size_t at = trimmed.begin;
    while (at < trimmed.end && text[at] != Unit('=')) {
        at += Walk::Step(text, at);
    }
    if (at >= trimmed.end) {
        line.name = trimmed;
        return;
    }
    line.name = Span{trimmed.begin, EndWithoutSpaces<Walk>(text, Span{trimmed.begin, at})};
    line.value = Span{BeginWithoutSpaces(text, Span{at + 1, trimmed.end}), trimmed.end};
}

template <typename Walk>
std::vector<Line> ReadLines(View<Walk> text) {
    std::vector<Line> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        Line line;
        line.start = at;
        while (at < text.size() && !IsLineBreak(text[at])) {
            at += Walk::Step(text, at);
        }
        line.text_end = std::min(at, text.size());
        while (at < text.size() && IsLineBreak(text[at])) {
            ++at;
        }
        line.end = at;
        ReadLine<Walk>(text, line);
        lines.push_back(line);
    }
    return lines;
}

// A name or value ends at its first NUL character.
template <typename Walk>
View<Walk> TextUpToNul(View<Walk> text, Span span) {
    using Unit = typename Walk::Unit;
    std::size_t at = span.begin;
    while (at < span.end && text[at] != Unit('\0')) {
        at += Walk::Step(text, at);
    }
    return text.substr(span.begin, std::min(at, span.end) - span.begin);
}

template <typename Walk>
bool SameName(View<Walk> a, View<Walk> b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t at = 0; at < a.size(); at += Walk::Step(a, at)) {
        const std::size_t length = Walk::Step(a, at);
        if (length != Walk::Step(b, at)) {
            return false;
        }
        if (length == 1 ? text::AsciiUpper(a[at]) != text::AsciiUpper(b[at])
                        : a.substr(at, length) != b.substr(at, length)) {
            return false;
        }
    }
    return true;
}

// The lines of the first section of that name: its header, and the lines
// [first, last) up to the next header.
struct SectionLines {
    std::size_t header = 0;
    std::size_t first = 0;
    std::size_t last = 0;
};

template <typename Walk>
std::optional<SectionLines> FindSection(View<Walk> text, const std::vector<Line>& lines,
                                        View<Walk> section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].header || !SameName<Walk>(TextUpToNul<Walk>(text, lines[i].name), section)) {
            continue;
        }
        std::size_t last = i + 1;
        while (last < lines.size() && !lines[last].header) {
            ++last;
        }
        return SectionLines{i, i + 1, last};
    }
    return std::nullopt;
}

template <typename Walk>
std::optional<std::size_t> FindKey(View<Walk> text, const std::vector<Line>& lines,
                                   const SectionLines& section, View<Walk> key) {
    for (std::size_t i = section.first; i < section.last; ++i) {
        if (!lines[i].trimmed.Empty() &&
            SameName<Walk>(TextUpToNul<Walk>(text, lines[i].name), key)) {
            return i;
        }
    }
    return std::nullopt;
}

// A value with one pair of enclosing quotes (" or ') taken off.
template <typename Walk>
View<Walk> Unquoted(View<Walk> value) {
    using Unit = typename Walk::Unit;
    if (value.size() < 2 || (value.front() != Unit('"') && value.front() != Unit('\''))) {
        return value;
    }
    std::size_t last = 0;
    for (std::size_t at = 0; at < value.size(); at += Walk::Step(value, at)) {
        last = at;
    }
    if (last == 0 || value[last] != value.front() || last + 1 != value.size()) {
        return value;
    }
    return value.substr(1, value.size() - 2);
}

template <typename Walk>
String<Walk> ValueIn(View<Walk> text, View<Walk> section, View<Walk> key) {
    const std::vector<Line> lines = ReadLines<Walk>(text);
    const auto found = FindSection<Walk>(text, lines, section);
    if (!found) {
        return {};
    }
    const auto line = FindKey<Walk>(text, lines, *found, key);
    if (!line || !lines[*line].value) {
        return {};
    }
    return String<Walk>(Unquoted<Walk>(TextUpToNul<Walk>(text, *lines[*line].value)));
}

// The value as it is written so that the reader gives it back: in quotes
// when it has spaces at an end or enclosing quotes of its own.
template <typename Walk>
String<Walk> StoredForm(View<Walk> value) {
    using Unit = typename Walk::Unit;
    const Span whole{0, value.size()};
    const bool spaced = BeginWithoutSpaces(value, whole) != 0 ||
                        EndWithoutSpaces<Walk>(value, whole) != value.size();
    if (spaced || Unquoted<Walk>(value).size() != value.size()) {
        return Unit('"') + std::basic_string<Unit>(value) + Unit('"');
    }
    return std::basic_string<Unit>(value);
}

template <typename Unit>
std::basic_string<Unit> Literal(std::string_view ascii) {
    return std::basic_string<Unit>(ascii.begin(), ascii.end());
}

// Sets one key in the text.
template <typename Walk>
String<Walk> WithValue(View<Walk> text, View<Walk> section, View<Walk> key, View<Walk> value) {
    using Unit = typename Walk::Unit;
    const String<Walk> new_line = Literal<Unit>("\r\n");
    const String<Walk> entry = String<Walk>(key) + Unit('=') + StoredForm<Walk>(value);
    const std::vector<Line> lines = ReadLines<Walk>(text);
    const auto found = FindSection<Walk>(text, lines, section);
    String<Walk> out;
    if (!found) {
        out = text;
        if (!lines.empty() && lines.back().end == lines.back().text_end) {
            out += new_line;
        }
        return out + Unit('[') + String<Walk>(section) + Unit(']') + new_line + entry + new_line;
    }
    if (const auto key_line = FindKey<Walk>(text, lines, *found, key)) {
        const Line& line = lines[*key_line];
        return String<Walk>(text.substr(0, line.start)) + entry +
               String<Walk>(text.substr(line.text_end));
    }
    // After the section's last line that is not blank.
    std::size_t after = found->header;
    for (std::size_t i = found->first; i < found->last; ++i) {
        if (!lines[i].trimmed.Empty()) {
            after = i;
        }
    }
    // Past that line's own break; blank lines after it stay after the new key.
    std::size_t at = lines[after].text_end;
    if (at < text.size() && text[at] == Unit('\r')) {
        ++at;
    }
    if (at < text.size() && text[at] == Unit('\n')) {
        ++at;
    }
    out = text.substr(0, at);
    if (at == lines[after].text_end) {
        out += new_line;
    }
    return out + entry + new_line + String<Walk>(text.substr(at));
}

std::u16string Utf16Units(std::string_view bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    return units;
}

std::string Utf16Bytes(std::u16string_view units) {
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (const char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// A file with a byte-order mark as UTF-16 text, for reading.
std::u16string TextOf(std::string_view file, IniEncoding encoding, TextCodec& codec) {
    if (encoding == IniEncoding::Utf16) {
        return Utf16Units(file.substr(2));
    }
    return codec.FromUtf8(text::Utf8View(file.substr(3)));
}

// Sets every entry in the text; `units` turns a code page 932 text into the
// text's own units.
template <typename Walk, typename Units>
String<Walk> WithEntries(String<Walk> text, text::Cp932View section,
                         const std::vector<IniEntry>& entries, Units units) {
    const String<Walk> own_section = units(section);
    for (const IniEntry& entry : entries) {
        text = WithValue<Walk>(text, own_section, units(entry.key), units(entry.value));
    }
    return text;
}

}  // namespace

IniEncoding EncodingOf(std::string_view file) {
    if (file.substr(0, 2) == kUtf16Mark) {
        return IniEncoding::Utf16;
    }
    if (file.substr(0, 3) == kUtf8Mark) {
        return IniEncoding::Utf8;
    }
    return IniEncoding::Cp932;
}

text::Cp932String ReadIniValue(std::string_view file, text::Cp932View section, text::Cp932View key,
                               TextCodec& codec) {
    const IniEncoding encoding = EncodingOf(file);
    if (encoding == IniEncoding::Cp932) {
        return text::Cp932String(ValueIn<Cp932Walk>(file, section.Bytes(), key.Bytes()));
    }
    const std::u16string text = TextOf(file, encoding, codec);
    return codec.ToCp932(ValueIn<Utf16Walk>(text, codec.FromCp932(section), codec.FromCp932(key)));
}

std::string WithIniValues(std::string_view file, text::Cp932View section,
                          const std::vector<IniEntry>& entries, TextCodec& codec) {
    switch (EncodingOf(file)) {
        case IniEncoding::Utf16: {
            // An odd last byte is no unit of the text; it stays the file's last byte.
            const std::size_t even_end = file.size() - (file.size() % 2);
            const std::u16string text = WithEntries<Utf16Walk>(
                Utf16Units(file.substr(2, even_end - 2)), section, entries,
                [&](text::Cp932View cp932) { return codec.FromCp932(cp932); });
            return kUtf16Mark + Utf16Bytes(text) + std::string(file.substr(even_end));
        }
        case IniEncoding::Utf8:
            return kUtf8Mark +
                   WithEntries<Utf8Walk>(std::string(file.substr(3)), section, entries,
                                         [&](text::Cp932View cp932) {
                                             return codec.ToUtf8(codec.FromCp932(cp932)).Bytes();
                                         });
        case IniEncoding::Cp932:
            break;
    }
    return WithEntries<Cp932Walk>(std::string(file), section, entries,
                                  [](text::Cp932View cp932) { return std::string(cp932.Bytes()); });
}

}  // namespace velmora::settings
