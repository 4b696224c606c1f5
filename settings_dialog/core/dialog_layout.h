#pragma once
// What the settings dialog looks like: its size, every control with its
// place (twips, in its container's client area), text, tab index and
// colours, and the dialog's place on the screen.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "drawing/core/twips.h"

namespace velmora::settings_dialog {

using drawing::PixelRect;
using drawing::Scale;
using drawing::TwipsRect;

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

// Every control of the dialog; each comment gives the control's name in the
// form designer.
enum class ControlId {
    CreditLabel,       // lbl_7: the credit line
    MusicGroup,        // Pic_C: the picture box that holds the music choice
    OtherWorksButton,  // Cmd_Etc
    SaveButton,        // Cmd_Set
    CancelButton,      // Cmd_Can
    EmptyBoxPicture,   // Img_Ra(0): hidden source of the empty selection box
    FilledBoxPicture,  // Img_Ra(1): hidden source of the filled selection box
    HeadingFrame,      // Shape3
    GroupHeading,      // lbl_15: "BGM"
    CdBox,             // Img_BGM(1)
    CdLabel,           // lbl_BGM(1)
    TrackBox,          // BGM_Repeat: the track to repeat
    RepeatTrackLabel,  // lbl_14
    NoneBox,           // Img_BGM(0)
    NoneLabel,         // lbl_BGM(0)
    FileBox,           // Img_BGM(2)
    FileLabel,         // lbl_BGM(2)
    ChooseFileButton,  // Cmd_BGM: "..."
    FileNameLabel,     // lbl_Fname: the chosen file's path
};

enum class ControlKind { Label, PictureBox, Button, Image, Shape, ComboBox };
enum class Container { Form, Group };  // the window itself, or the music group

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
// The stops of the keyboard focus, by tab index: the music group (its three
// choices as one stop), the track box and the buttons.
std::vector<ControlId> FocusOrder();

// The kinds (0, 1, 2) in the order their choices stand on the screen, top first.
std::vector<int> KindsOnScreen();

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

// PlaceDialog for a screen and a window measured in pixels at `scale`: the
// lengths reckoned in that scale's twips, the place back in pixels.
struct PixelPoint {
    int x = 0, y = 0;
    bool operator==(const PixelPoint& other) const { return x == other.x && y == other.y; }
};
PixelPoint PlaceDialogInPixels(int screen_width, int screen_height, int window_width,
                               int window_height, Scale scale);

// The dialog is made at the scale of the monitor it opens on and placed
// there. Placed, its window may find itself at another DPI (the platform
// tells the window's own): then it is laid out again at that DPI's scale and
// placed again at its new size. Nothing when the two DPIs agree.
std::optional<Scale> ScaleToPlaceAgainAt(Scale made, Scale found);

}  // namespace velmora::settings_dialog
