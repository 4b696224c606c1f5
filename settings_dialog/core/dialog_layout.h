#pragma once
// What the settings dialog looks like: its size, every control with its
// place (twips, in its container's client area), text, tab index and
// colours, and the dialog's place on the screen.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "button_control/core/face_geometry.h"

namespace velmora::settings_dialog {

using button_control::PixelRect;
using button_control::Scale;
using button_control::TwipsRect;

// The client area of the window, in twips.
inline constexpr std::int32_t kClientWidth = 7185;
inline constexpr std::int32_t kClientHeight = 3780;

// Colours as 0x00BBGGRR.
inline constexpr std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r | (g << 8) | (b << 16));
}
inline constexpr std::uint32_t kFormBackColour = Rgb(192, 192, 192);
inline constexpr std::uint32_t kGroupBackColour = Rgb(224, 224, 224);
inline constexpr std::uint32_t kComboBackColour = Rgb(255, 255, 255);
inline constexpr std::uint32_t kBlack = Rgb(0, 0, 0);
inline constexpr std::uint32_t kWhite = Rgb(255, 255, 255);

enum class ControlId {
    lbl_7,
    Pic_C,
    Cmd_Etc,
    Cmd_Set,
    Cmd_Can,
    Img_Ra_0,
    Img_Ra_1,
    Shape3,
    lbl_15,
    Img_BGM_1,
    lbl_BGM_1,
    BGM_Repeat,
    lbl_14,
    Img_BGM_0,
    lbl_BGM_0,
    Img_BGM_2,
    lbl_BGM_2,
    Cmd_BGM,
    lbl_Fname,
};

enum class ControlKind { Label, PictureBox, Command, Image, Shape, ComboBox };
enum class Container { Form, Group };  // the window itself, or Pic_C

struct ControlPlace {
    ControlId id;
    ControlKind kind;
    Container container;
    const char* text;  // code page 932; null when the control shows none
    TwipsRect rect;
    int tab_index;  // -1: the control has none
    std::uint32_t text_colour = kBlack;
    bool centred = false;
    bool border = false;
};

// Every control, those on the window first, each group top to bottom.
const std::vector<ControlPlace>& Controls();
const ControlPlace& Place(ControlId id);

// Controls that take part in the tab order, by tab index.
std::vector<ControlId> TabOrder();

// The selection box and the text of the choice for a kind (0, 1, 2);
// nothing for any other kind.
std::optional<ControlId> SelectionBoxOf(int kind);
std::optional<ControlId> ChoiceLabelOf(int kind);
// The kind whose box or text this control is; nothing for other controls.
std::optional<int> KindOfChoiceControl(ControlId id);

// A place in twips as screen pixels.
PixelRect ToPixels(const TwipsRect& rect, Scale scale);

// The kind chosen by a mouse press at a pixel of a container: that of the
// selection box or choice text under it (right and bottom edges outside).
std::optional<int> ChoiceKindAt(Container container, int x, int y, Scale scale);

// The dialog's top-left corner on the screen (twips): centred across and at
// a third of the free height. Each free length is rounded to a whole number
// (halves to even) before it is divided; the division truncates.
struct TwipsPoint {
    std::int32_t left = 0, top = 0;
};
TwipsPoint PlaceDialog(double screen_width, double screen_height, double dialog_width,
                       double dialog_height);

}  // namespace velmora::settings_dialog
