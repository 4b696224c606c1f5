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

}  // namespace velmora::settings_dialog
