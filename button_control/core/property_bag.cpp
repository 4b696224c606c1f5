#include "button_control/core/property_bag.h"

#include <algorithm>

#include "text/core/ascii_text.h"
#include "text/core/cp932_text.h"

namespace velmora::button_control {

namespace {

// What may stand between entries and before a name's "=".
bool IsBlankOrLineEnd(char c) {
    return text::IsBlank(c) || c == '\r' || c == '\n';
}

}  // namespace

std::string FoldedName(std::string_view name) {
    std::string folded(name);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const auto c = static_cast<unsigned char>(folded[i]);
        if (text::IsLeadByte(folded[i])) {
            ++i;
        } else if (c >= 'A' && c <= 'Z') {
            folded[i] = static_cast<char>(c - 'A' + 'a');
        }
    }
    return folded;
}

std::optional<std::string> PropertyBag::Find(std::string_view name) const {
    const std::string key = FoldedName(name);
    for (const auto& [stored_key, value] : entries_) {
        if (stored_key == key) {
            return value;
        }
    }
    return std::nullopt;
}

std::string PropertyBag::ReadProperty(std::string_view name, std::string_view default_value) const {
    auto value = Find(name);
    return value ? *value : std::string(default_value);
}

void PropertyBag::WriteProperty(std::string_view name, std::string value,
                                std::string_view default_value) {
    const std::string key = FoldedName(name);
    auto entry = std::find_if(entries_.begin(), entries_.end(),
                              [&key](const auto& stored) { return stored.first == key; });
    if (value == default_value) {
        if (entry != entries_.end()) {
            entries_.erase(entry);
        }
    } else if (entry != entries_.end()) {
        entry->second = std::move(value);
    } else {
        entries_.emplace_back(key, std::move(value));
    }
}

std::string PropertyBag::ToText() const {
    std::string text;
    for (const auto& [key, value] : entries_) {
        text += key;
        text += " = \"";
        for (char c : value) {
            text += c;
            if (c == '"') {
                text += '"';
            }
        }
        text += "\"\n";
    }
    return text;
}

std::optional<PropertyBag> PropertyBag::FromText(std::string_view text) {
    PropertyBag bag;
    std::size_t i = 0;
    auto skip_blanks = [&] {
        while (i < text.size() && IsBlankOrLineEnd(text[i])) {
            ++i;
        }
    };
    for (skip_blanks(); i < text.size(); skip_blanks()) {
        const std::size_t equals = text.find('=', i);
        if (equals == std::string_view::npos) {
            return std::nullopt;
        }
        std::string_view name = text.substr(i, equals - i);
        while (!name.empty() && IsBlankOrLineEnd(name.back())) {
            name.remove_suffix(1);
        }
        if (name.empty() || name.find_first_of("\r\n\"") != std::string_view::npos) {
            return std::nullopt;
        }
        i = equals + 1;
        while (i < text.size() && text::IsBlank(text[i])) {
            ++i;
        }
        if (i == text.size() || text[i] != '"') {
            return std::nullopt;
        }
        std::string value;
        for (++i;; ++i) {
            if (i == text.size()) {
                return std::nullopt;  // unterminated value
            }
            if (text[i] == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    value += '"';
                    ++i;
                    continue;
                }
                ++i;
                break;
            }
            value += text[i];
        }
        while (i < text.size() && text::IsBlank(text[i])) {
            ++i;
        }
        if (i < text.size() && text[i] != '\r' && text[i] != '\n') {
            return std::nullopt;  // something after the value on its line
        }
        const std::string key = FoldedName(name);
        if (bag.Find(key)) {
            return std::nullopt;  // a name stored twice
        }
        bag.entries_.emplace_back(key, std::move(value));
    }
    return bag;
}

}  // namespace velmora::button_control
