#pragma once
// A container's stored layout of one control: named values kept in the order
// they were written. Names are matched without regard to case and kept in
// lower case. A value equal to its write default is left out, and a name that
// is absent reads as the read default.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::button_control {

class PropertyBag {
  public:
    std::string ReadProperty(std::string_view name, std::string_view default_value) const;
    void WriteProperty(std::string_view name, std::string value, std::string_view default_value);

    // The stored value, if any.
    std::optional<std::string> Find(std::string_view name) const;

    // (lower-case name, value) in the order written.
    const std::vector<std::pair<std::string, std::string>>& Entries() const { return entries_; }

    // The stored text form, one entry a line: name = "value", with a quote
    // inside the value doubled. Values may span lines.
    std::string ToText() const;
    // Parses the stored text form; nothing for a malformed text.
    static std::optional<PropertyBag> FromText(std::string_view text);

  private:
    std::vector<std::pair<std::string, std::string>> entries_;
};

// Lower-cases the ASCII letters of a name, leaving code-page-932 double-byte
// characters whole (their second byte may be an ASCII letter).
std::string FoldedName(std::string_view name);

}  // namespace velmora::button_control
