#pragma once
// The music group as screen readers are told of it: its controls in reading
// order, each with its role, name, state and place. The choices and the
// file's path have no windows of their own, so the dialog describes them; the
// track box is named by the text beside it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings_dialog/core/settings_dialog.h"
#include "text/core/cp932_string.h"

namespace velmora::settings_dialog {

enum class AccessRole { RadioButton, ComboBox, PushButton, StaticText };

struct AccessItem {
    AccessRole role = AccessRole::StaticText;
    text::Cp932String name;
    text::Cp932String value;  // the track box's text
    TwipsRect place;          // in the music group
    bool checked = false;
    bool enabled = true;
    bool focusable = false;
    bool focused = false;
};

// The text drawn beside a control that names it for screen readers (the
// track box's "曲目をﾘﾋﾟｰﾄ"); "" for the others.
text::Cp932View NameBeside(ControlId id);

// `focus` is the control with the keyboard focus (MusicGroup: the choices).
std::vector<AccessItem> DescribeMusicGroup(const ChoiceView& view, text::Cp932View track_text,
                                           std::optional<ControlId> focus);

// A screen reader numbers the items from 1 in reading order; 0 is the group
// itself.
inline constexpr long kTheGroupItself = 0;

// The item a screen reader's number names; null for the group itself and for
// a number out of range.
const AccessItem* ItemNumbered(const std::vector<AccessItem>& items, long number);

// The states a screen reader is told of, for an item or for the group.
struct AccessStates {
    bool unavailable = false;
    bool focusable = false;
    bool checked = false;
    bool focused = false;
    bool operator==(const AccessStates& other) const {
        return unavailable == other.unavailable && focusable == other.focusable &&
               checked == other.checked && focused == other.focused;
    }
};
AccessStates StatesOf(const AccessItem& item);
AccessStates GroupStates(bool group_has_focus);

// An item's place in the group's client area, in pixels at `scale`.
PixelRect BoundsOf(const AccessItem& item, Scale scale);

// The number of what lies at a pixel of the group's client area of
// `client_width` x `client_height`: the last item in reading order whose
// place holds it, else the group itself; nothing outside the client area.
std::optional<long> NumberAt(const std::vector<AccessItem>& items, Scale scale, int client_width,
                             int client_height, int x, int y);

// The number of the focused item; the group itself when none is.
long FocusedChild(const std::vector<AccessItem>& items);

}  // namespace velmora::settings_dialog
