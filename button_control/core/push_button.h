#pragma once
// PushButton: the decisions of the owner-drawn push button. It follows hover,
// focus and presses, chooses the state picture of its face and when to raise
// Click, and saves and restores its properties in its container's property
// bag. Platform-free: the shell passes each event in and carries out the
// ButtonReaction it returns.

#include <cstdint>
#include <optional>
#include <string>

#include "button_control/core/face_geometry.h"
#include "button_control/core/face_plan.h"
#include "button_control/core/font.h"
#include "button_control/core/property_bag.h"

namespace velmora::button_control {

enum class ButtonState : std::uint8_t {
    BeforeInitialize = 0,
    Normal = 1,      // neither hovered nor focused
    Hover = 2,       // hovered, not focused
    Focus = 3,       // focused, not hovered
    FocusHover = 4,  // focused and hovered
};

// The mouse buttons that may click, as bits.
enum class MouseButton : std::uint8_t { Left = 1, Right = 2, Middle = 4 };

// The keys a focused button answers, as a push button does.
enum class ButtonKey : std::uint8_t { Space, Enter };

inline constexpr int kMousePollMilliseconds = 100;
inline constexpr char kDefaultCaption[] = "Command";

struct ButtonFields {
    ButtonState state = ButtonState::BeforeInitialize;
    bool is_enabled = false;
    std::uint8_t first_run = 0;
    bool left_held = false;  // a left press seen here, not yet released
    // Buttons pressed here whose release over the button will click.
    std::uint8_t pressed_buttons = 0;
    bool space_held = false;  // Space went down here and has not come up
    bool hover_gradient = false;
    std::int16_t back_style = 1;  // 1 opaque, 0 transparent
};

// The caption label, drawn by the shell over the face.
struct CaptionLabel {
    std::string caption = kDefaultCaption;
    bool enabled = true;
    std::int32_t fore_colour = 0;  // 0x00BBGGRR, or a system colour 0x800000nn
    FontRef font;
    double left = 0, top = 90, width = 1635, height = 195;  // twips
};

// What the shell does after an event, in this order: hand the keyboard focus
// on to the next enabled control of the dialog (or to the dialog itself when
// there is none), repaint the face, show the control again, give the window
// the caption as its text (what screen readers announce), start the mouse
// poll, and raise Click last (the container may destroy the control in its
// handler). `changed_property` names a stored property that changed, the
// container's stored layout now out of date; the settings dialog, the one
// container, keeps no layout past the buttons' creation, so the shell has no
// one to tell.
struct ButtonReaction {
    bool hand_on_focus = false;
    std::optional<FacePlan> paint;
    bool redraw = false;
    bool retitle = false;
    bool start_mouse_poll = false;
    const char* changed_property = nullptr;
    bool click = false;
};

// A property read that repaints.
template <typename Value>
struct PropertyRead {
    Value value;
    ButtonReaction reaction;
};

class PushButton {
  public:
    explicit PushButton(Scale scale);

    // The container calls this once after loading the control: state Normal
    // and the mouse poll.
    ButtonReaction Initialize();

    // Properties. Reading Visible, FontColour and Enabled repaints the face.
    PropertyRead<bool> ReadVisible();
    ButtonReaction SetVisible(bool visible);
    PropertyRead<std::int32_t> ReadFontColour();
    ButtonReaction SetFontColour(std::int32_t colour);
    PropertyRead<bool> ReadEnabled();
    // The container reads Enabled before anything else: a control placed but
    // never run (FirstRun 0) starts its first run, enabled. Nothing once run.
    void StartFirstRun();
    // `focused`: the button has the keyboard focus. Disabled, it hands the
    // focus on first, so the focus never rests on a disabled control.
    ButtonReaction SetEnabled(bool enabled, bool focused);
    const std::string& Caption() const { return label_.caption; }
    ButtonReaction SetCaption(const std::string& caption);
    FontRef Font() const { return label_.font; }
    ButtonReaction SetFont(FontRef font);

    // The container's stored layout; the ambient font is the container's,
    // the default of the stored "Font".
    ButtonReaction LoadProperties(const PropertyBag& bag,
                                  const velmora::button_control::Font& ambient);
    ButtonReaction SaveProperties(PropertyBag& bag, const velmora::button_control::Font& ambient);

    // Input. Moves count only over the button (the caption included).
    ButtonReaction MouseMove();
    ButtonReaction MouseDown(MouseButton button);
    // The second press of a double-click: a press without the press picture.
    ButtonReaction MouseDoubleClick(MouseButton button);
    ButtonReaction MouseUp(MouseButton button, bool over_button);
    // The platform took the mouse away (capture lost): no release will click.
    ButtonReaction CancelPresses();
    // Space down shows the press and Space up clicks; Enter clicks at once.
    ButtonReaction KeyDown(ButtonKey key);
    ButtonReaction KeyUp(ButtonKey key);
    ButtonReaction FocusGained();
    ButtonReaction FocusLost();
    ButtonReaction Resize(PixelSize size);
    // The container's DPI changed: the face is drawn again at the new scale,
    // with the look a resize gives it (the resize to the new size follows).
    ButtonReaction ChangeScale(Scale scale);
    // One tick of the mouse poll. The hover ends when the window under the
    // cursor is anything but the control's own (the parent form, another
    // control with a window, another program); over its own window the tick
    // counts as a move.
    ButtonReaction MousePoll(bool cursor_over_button);

    // Whether a press of this button should move the keyboard focus here.
    bool TakesFocusOnPress(MouseButton button) const;
    // To a dialog the button is a push button, its default one while it has
    // the focus: Enter there clicks it.
    bool ActsAsDefault() const;

    const ButtonFields& Fields() const { return fields_; }
    const CaptionLabel& Label() const { return label_; }

  private:
    void Paint(StatePicture picture, ButtonReaction& reaction);
    void LeaveHover(ButtonReaction& reaction);
    void ApplyEnabledLook(ButtonReaction& reaction);
    void RefreshNormal(ButtonReaction& reaction);
    void ForgetPresses();

    Scale scale_;
    PixelSize size_;
    ButtonFields fields_;
    CaptionLabel label_;
    SliceGeometry geometry_;
};

// Colours the caption accepts: 0x00BBGGRR or a system colour index 0x80000000..0x80000018.
bool IsValidColour(std::int32_t colour);

}  // namespace velmora::button_control
