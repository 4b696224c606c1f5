#pragma once
// Command: the owner-drawn push button. It paints its face from a gradient,
// one of six state pictures and a centred caption, follows hover, focus and
// press, raises Click, and saves and restores its properties in its
// container's property bag. Platform-free: the platform comes in through
// CommandSite and the event handlers below.

#include <cstdint>
#include <string>

#include "button_control/core/command_site.h"
#include "button_control/core/face_geometry.h"
#include "button_control/core/font.h"
#include "button_control/core/property_bag.h"

namespace velmora::button_control {

// ButtonState values.
enum : std::uint8_t {
    StateBeforeInitialize = 0,
    StateNormal = 1,      // neither hovered nor focused
    StateHover = 2,       // hovered, not focused
    StateFocus = 3,       // focused, not hovered
    StateFocusHover = 4,  // focused and hovered
};

// Mouse buttons as the handlers receive them.
enum : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

inline constexpr int kTmrMouseInterval = 100;  // ms
inline constexpr char kDefaultCaption[] = "Command";

struct CommandState {
    std::uint8_t ButtonState = StateBeforeInitialize;
    bool IsEnabled = false;
    std::uint8_t FirstRun = 0;
    bool MouseIsDown = false;
    bool HoverGradient = false;
    std::int16_t BackStyle = 1;  // 1 opaque, 0 transparent
};

// The caption label LblMsg, drawn by the control over its face.
struct Label {
    std::string Caption = kDefaultCaption;
    bool Enabled = true;
    std::int32_t ForeColor = 0;  // 0x00BBGGRR, or a system colour 0x800000nn
    FontRef Font;
    double Left = 0, Top = 90, Width = 1635, Height = 195;  // twips
};

class Command {
  public:
    Command(CommandSite& site, Scale scale);

    // The container calls this once after loading the control: state 1 and the
    // 100 ms mouse poll.
    void Initialize();

    // Properties, in their order. Reading some of them repaints (see the .cpp).
    bool Visible();
    void Visible(bool New_Visible);
    std::int32_t FontColour();
    void FontColour(std::int32_t New_FontColour);
    bool Enabled();
    void Enabled(bool New_Enabled);
    std::string Caption() const;
    void Caption(const std::string& New_Caption);
    FontRef Font() const;
    void Font(FontRef New_Font);

    // Persistence in the container's stored layout.
    void UserControl_ReadProperties(const PropertyBag& PropBag);
    void UserControl_WriteProperties(PropertyBag& PropBag);

    // Platform input. Mouse events over the caption arrive here too.
    void UserControl_MouseDown(int Button);
    void UserControl_MouseMove();
    void UserControl_MouseUp(int Button);
    void UserControl_GotFocus();
    void UserControl_LostFocus();
    void UserControl_Resize();
    // One TmrMouse tick. The hover ends when the window under the cursor is
    // anything but the control's own (the parent form, another control with a
    // window, another program); the caption has no window of its own.
    void TmrMouse_Timer(bool cursor_over_control);

    // Whether a press of this button should move the keyboard focus here.
    bool TakesFocusOnPress(int Button) const;

    const CommandState& State() const { return state_; }
    const Label& LblMsg() const { return label_; }
    const SliceGeometry& Geometry() const { return geometry_; }

  private:
    void PaintButton(StatePicture picture);
    void LeaveHover();
    void ApplyEnabledLook();
    void RefreshNormal();

    CommandSite& site_;
    Scale scale_;
    CommandState state_;
    Label label_;
    SliceGeometry geometry_;
};

// Colours the caption accepts: 0x00BBGGRR or a system colour index 0x80000000..0x80000018.
bool IsValidColour(std::int32_t colour);

}  // namespace velmora::button_control
