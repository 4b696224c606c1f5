#include "settings/core/ini_text.h"

#include <optional>

#include "text/core/cp932_text.h"

namespace velmora::settings {

namespace {

constexpr char kNewLine[] = "\r\n";

// One line of the file: its text and, after it, its line break (if any).
struct Line {
    std::size_t start = 0;
    std::size_t text_end = 0;
    std::size_t end = 0;  // after the line break
};

std::vector<Line> SplitLines(std::string_view file) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < file.size()) {
        const std::size_t line_break = file.find_first_of("\r\n", start);
        Line line{start, line_break == std::string_view::npos ? file.size() : line_break, 0};
        line.end = line.text_end;
        if (line.end < file.size() && file[line.end] == '\r') {
            ++line.end;
        }
        if (line.end < file.size() && file[line.end] == '\n') {
            ++line.end;
        }
        lines.push_back(line);
        start = line.end;
    }
    return lines;
}

std::string_view TextOf(std::string_view file, const Line& line) {
    return file.substr(line.start, line.text_end - line.start);
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    return text::UpperAscii(Trimmed(a)) == text::UpperAscii(Trimmed(b));
}

// The name of a "[section]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view text) {
    text = Trimmed(text);
    if (text.empty() || text.front() != '[') {
        return std::nullopt;
    }
    text.remove_prefix(1);
    for (std::size_t n = 1; !text::CharacterAt(text, n).empty(); ++n) {
        if (text::CharacterAt(text, n) == "]") {
            return text.substr(0, text.size() - text::FromCharacter(text, n).size());
        }
    }
    return text;
}

// Key and value of a "key=value" line ("=" is never the second byte of a
// character).
struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> KeyOf(std::string_view text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos || SectionName(text)) {
        return std::nullopt;
    }
    return KeyLine{text.substr(0, equals), Trimmed(text.substr(equals + 1))};
}

// The lines of the first section with that name: [first, last) after its
// header, or nothing when there is no such section.
struct SectionLines {
    std::size_t header = 0;
    std::size_t first = 0;
    std::size_t last = 0;
};

std::optional<SectionLines> FindSection(std::string_view file, const std::vector<Line>& lines,
                                        std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(TextOf(file, lines[i]));
        if (!name || !SameName(*name, section)) {
            continue;
        }
        std::size_t last = i + 1;
        while (last < lines.size() && !SectionName(TextOf(file, lines[last]))) {
            ++last;
        }
        return SectionLines{i, i + 1, last};
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(std::string_view file, const std::vector<Line>& lines,
                                   const SectionLines& section, std::string_view key) {
    for (std::size_t i = section.first; i < section.last; ++i) {
        const auto key_line = KeyOf(TextOf(file, lines[i]));
        if (key_line && SameName(key_line->key, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string_view CutToLimit(std::string_view value) {
    std::size_t n = 1;
    std::size_t kept = 0;
    for (std::string_view c = text::CharacterAt(value, n); !c.empty();
         c = text::CharacterAt(value, ++n)) {
        if (kept + c.size() > kIniValueLimit) {
            break;
        }
        kept += c.size();
    }
    return value.substr(0, kept);
}

std::string EntryLine(const IniEntry& entry) {
    return entry.key + "=" + entry.value;
}

// Sets one key in the file's bytes.
std::string WithValue(std::string_view file, std::string_view section, const IniEntry& entry) {
    const std::vector<Line> lines = SplitLines(file);
    const auto found = FindSection(file, lines, section);
    std::string out;
    if (!found) {
        out = file;
        if (!out.empty() && out.back() != '\n' && out.back() != '\r') {
            out += kNewLine;
        }
        out += "[" + std::string(section) + "]" + kNewLine + EntryLine(entry) + kNewLine;
        return out;
    }
    if (const auto key_line = FindKey(file, lines, *found, entry.key)) {
        const Line& line = lines[*key_line];
        out = file.substr(0, line.start);
        out += EntryLine(entry);
        out += file.substr(line.text_end);
        return out;
    }
    // After the section's last line that is not blank.
    std::size_t after = found->header;
    for (std::size_t i = found->first; i < found->last; ++i) {
        if (!Trimmed(TextOf(file, lines[i])).empty()) {
            after = i;
        }
    }
    const Line& line = lines[after];
    out = file.substr(0, line.end);
    if (line.end == line.text_end) {
        out += kNewLine;
    }
    out += EntryLine(entry) + kNewLine;
    out += file.substr(line.end);
    return out;
}

}  // namespace

std::string ReadIniValue(std::string_view file, std::string_view section, std::string_view key) {
    const std::vector<Line> lines = SplitLines(file);
    const auto found = FindSection(file, lines, section);
    if (!found) {
        return std::string();
    }
    const auto line = FindKey(file, lines, *found, key);
    if (!line) {
        return std::string();
    }
    return std::string(CutToLimit(Unquoted(KeyOf(TextOf(file, lines[*line]))->value)));
}

std::string WithIniValues(std::string_view file, std::string_view section,
                          const std::vector<IniEntry>& entries) {
    std::string out(file);
    for (const IniEntry& entry : entries) {
        out = WithValue(out, section, entry);
    }
    return out;
}

}  // namespace velmora::settings
