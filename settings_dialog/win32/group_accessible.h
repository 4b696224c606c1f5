#pragma once
// The music group told to screen readers: its client area answers
// WM_GETOBJECT with an IAccessible whose children are the group's controls
// as the dialog describes them (DescribeMusicGroup), simple elements with
// their names, roles, states and places.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "settings_dialog/core/group_description.h"

namespace velmora::settings_dialog {

using DescribeGroup = std::function<std::vector<AccessItem>()>;

// The answer to the group's WM_GETOBJECT: the object for OBJID_CLIENT, else
// 0 (the platform's own answer). `name` is the group's (code page 932). A
// screen reader may hold the object past the dialog's end: it describes the
// group only while `describe` lives, which the dialog ends with the group's
// window, and answers CO_E_OBJNOTCONNECTED from then on.
LRESULT AnswerGroupObject(HWND group, WPARAM wparam, LPARAM lparam,
                          std::weak_ptr<const DescribeGroup> describe, text::Cp932View name,
                          Scale scale);

// Gives a control with a window the name screen readers say for it (code
// page 932), where the text naming it is drawn beside it rather than being a
// window: its WM_GETOBJECT is answered with the platform's own object for it,
// renamed.
void NameForScreenReaders(HWND control, text::Cp932View name);

}  // namespace velmora::settings_dialog
