#include "button_control/core/push_button.h"

#include <memory>
#include <utility>

#include "button_control/core/property_values.h"

namespace velmora::button_control {

namespace {

std::uint8_t Bit(MouseButton button) {
    return static_cast<std::uint8_t>(button);
}

// The picture a state shows when nothing is pressed.
StatePicture LookOf(ButtonState state) {
    switch (state) {
        case ButtonState::Hover:
            return StatePicture::HighLight;
        case ButtonState::Focus:
            return StatePicture::Selected;
        case ButtonState::FocusHover:
            return StatePicture::HighLightSelect;
        default:
            return StatePicture::Normal;
    }
}

}  // namespace

bool IsValidColour(std::int32_t colour) {
    const auto bits = static_cast<std::uint32_t>(colour);
    return bits <= 0x00FFFFFFu || (bits >= 0x80000000u && bits <= 0x80000018u);
}

PushButton::PushButton(Scale scale) : scale_(scale) {
    label_.font = std::make_shared<velmora::button_control::Font>(DesignedFont());
}

ButtonReaction PushButton::Initialize() {
    fields_.state = ButtonState::Normal;
    ButtonReaction reaction;
    reaction.start_mouse_poll = true;
    return reaction;
}

// ---- Properties -----------------------------------------------------------

PropertyRead<bool> PushButton::ReadVisible() {
    PropertyRead<bool> read{fields_.back_style != 0, {}};
    if (read.value) {
        RefreshNormal(read.reaction);
    }
    return read;
}

ButtonReaction PushButton::SetVisible(bool visible) {
    ButtonReaction reaction;
    fields_.back_style = visible ? 1 : 0;
    if (visible) {
        RefreshNormal(reaction);
    }
    reaction.redraw = true;
    reaction.changed_property = "Visible";
    return reaction;
}

PropertyRead<std::int32_t> PushButton::ReadFontColour() {
    PropertyRead<std::int32_t> read{label_.fore_colour, {}};
    RefreshNormal(read.reaction);
    return read;
}

ButtonReaction PushButton::SetFontColour(std::int32_t colour) {
    ButtonReaction reaction;
    const bool accepted = IsValidColour(colour);
    if (accepted) {
        label_.fore_colour = colour;
        reaction.changed_property = "FontColour";
    }
    RefreshNormal(reaction);
    reaction.redraw = true;
    return reaction;
}

PropertyRead<bool> PushButton::ReadEnabled() {
    PropertyRead<bool> read{fields_.is_enabled, {}};
    ApplyEnabledLook(read.reaction);
    return read;
}

void PushButton::StartFirstRun() {
    if (fields_.first_run != 0) {
        return;
    }
    if (fields_.is_enabled) {
        label_.fore_colour = 0;
    }
    fields_.first_run = 1;
    fields_.is_enabled = true;
}

ButtonReaction PushButton::SetEnabled(bool enabled, bool focused) {
    ButtonReaction reaction;
    reaction.hand_on_focus = !enabled && focused;
    fields_.is_enabled = enabled;
    if (!enabled) {
        ForgetPresses();
    }
    reaction.changed_property = "Enabled";
    ApplyEnabledLook(reaction);
    return reaction;
}

ButtonReaction PushButton::SetCaption(const std::string& caption) {
    label_.caption = caption;
    ButtonReaction reaction;
    reaction.redraw = true;
    reaction.retitle = true;
    reaction.changed_property = "Caption";
    return reaction;
}

ButtonReaction PushButton::SetFont(FontRef font) {
    ButtonReaction reaction;
    if (!font) {
        return reaction;  // a caption always has a font
    }
    label_.font = std::move(font);
    reaction.redraw = true;
    reaction.changed_property = "Font";
    return reaction;
}

// ---- Persistence ----------------------------------------------------------
// Each entry is read on its own: a missing entry gives the read default, an
// unconvertible one leaves its field as it was.

ButtonReaction PushButton::LoadProperties(const PropertyBag& bag,
                                          const velmora::button_control::Font& ambient) {
    if (const auto enabled = ToBoolean(bag.ReadProperty("Enabled", BooleanText(true)))) {
        fields_.is_enabled = *enabled;
    }
    label_.caption = bag.ReadProperty("Caption", kDefaultCaption);
    const auto stored_font = bag.Find("Font");
    const auto font = stored_font ? FontFromText(*stored_font) : ambient;
    if (font) {
        label_.font->name = font->name;  // size, weight and style stay
    }
    if (const auto first_run = ToUInt8(bag.ReadProperty("FirstRun", "1"))) {
        fields_.first_run = *first_run;
    }
    const auto colour = ToInt32(bag.ReadProperty("FontColour", "0"));
    if (colour && IsValidColour(*colour)) {
        label_.fore_colour = *colour;
    }
    const auto back_style = ToInt16(bag.ReadProperty("Visible", "1"));
    if (back_style && (*back_style == 0 || *back_style == 1)) {
        fields_.back_style = *back_style;
    }
    ButtonReaction reaction;
    RefreshNormal(reaction);
    reaction.redraw = true;
    reaction.retitle = true;
    return reaction;
}

ButtonReaction PushButton::SaveProperties(PropertyBag& bag,
                                          const velmora::button_control::Font& ambient) {
    bag.WriteProperty("Enabled", BooleanText(fields_.is_enabled), BooleanText(true));
    bag.WriteProperty("Caption", label_.caption, kDefaultCaption);
    bag.WriteProperty("FirstRun", IntegerText(fields_.first_run), "1");
    bag.WriteProperty("Font", FontToText(*label_.font), FontToText(ambient));
    bag.WriteProperty("FontColour", IntegerText(label_.fore_colour), "0");
    bag.WriteProperty("Visible", IntegerText(fields_.back_style), "1");
    ButtonReaction reaction;
    RefreshNormal(reaction);
    return reaction;
}

// ---- Input ----------------------------------------------------------------
// While the control is disabled the mouse changes nothing.

ButtonReaction PushButton::MouseMove() {
    ButtonReaction reaction;
    if (!fields_.is_enabled) {
        return reaction;
    }
    if (fields_.state == ButtonState::Normal) {
        fields_.state = ButtonState::Hover;
        Paint(StatePicture::HighLight, reaction);
    }
    // Not while the left button is held: a press dragged off and back stays cancelled.
    if (fields_.state == ButtonState::Focus && !fields_.left_held) {
        fields_.state = ButtonState::FocusHover;
        Paint(StatePicture::HighLightSelect, reaction);
    }
    return reaction;
}

ButtonReaction PushButton::MouseDown(MouseButton button) {
    ButtonReaction reaction;
    if (!fields_.is_enabled) {
        return reaction;
    }
    fields_.pressed_buttons |= Bit(button);
    if (button == MouseButton::Left) {
        fields_.left_held = true;
        Paint(StatePicture::Pressed, reaction);
    }
    return reaction;
}

ButtonReaction PushButton::MouseDoubleClick(MouseButton button) {
    if (fields_.is_enabled) {
        fields_.pressed_buttons |= Bit(button);
    }
    return {};
}

ButtonReaction PushButton::MouseUp(MouseButton button, bool over_button) {
    ButtonReaction reaction;
    if (!fields_.is_enabled) {
        return reaction;
    }
    const bool pressed_here = (fields_.pressed_buttons & Bit(button)) != 0;
    fields_.pressed_buttons &= static_cast<std::uint8_t>(~Bit(button));
    if (button == MouseButton::Left) {
        fields_.left_held = false;
        if (fields_.state == ButtonState::Hover) {
            Paint(StatePicture::Normal, reaction);
        }
        if (fields_.state == ButtonState::FocusHover) {
            Paint(StatePicture::HighLightSelect, reaction);
        }
    }
    // A click needs both its press and its release on the button. Focused but
    // not hovered, the button has not seen the cursor over it since it got
    // the focus (or the poll saw the cursor leave): no click either.
    reaction.click = pressed_here && over_button && fields_.state != ButtonState::Focus;
    return reaction;
}

ButtonReaction PushButton::CancelPresses() {
    ForgetPresses();
    return {};
}

// Auto-repeated Space downs change nothing; the release shows the look of the
// state again and clicks.
ButtonReaction PushButton::KeyDown(ButtonKey key) {
    ButtonReaction reaction;
    if (!fields_.is_enabled) {
        return reaction;
    }
    if (key == ButtonKey::Enter) {
        reaction.click = true;
    } else if (!fields_.space_held) {
        fields_.space_held = true;
        Paint(StatePicture::Pressed, reaction);
    }
    return reaction;
}

ButtonReaction PushButton::KeyUp(ButtonKey key) {
    ButtonReaction reaction;
    if (!fields_.is_enabled || key != ButtonKey::Space || !fields_.space_held) {
        return reaction;
    }
    fields_.space_held = false;
    Paint(LookOf(fields_.state), reaction);
    reaction.click = true;
    return reaction;
}

ButtonReaction PushButton::FocusGained() {
    ButtonReaction reaction;
    if (!fields_.is_enabled) {
        return reaction;
    }
    if (fields_.state == ButtonState::Hover) {
        // A click on a hovered button brings the focus together with the press.
        fields_.state = ButtonState::FocusHover;
        Paint(StatePicture::Pressed, reaction);
    } else {
        fields_.state = ButtonState::Focus;
        Paint(StatePicture::Selected, reaction);
    }
    return reaction;
}

// The focus leaves even a disabled button (the platform takes it away from a
// window being disabled): the state follows, so that the button, enabled
// again, starts unfocused. The disabled look stays.
ButtonReaction PushButton::FocusLost() {
    ButtonReaction reaction;
    ForgetPresses();
    if (fields_.state == ButtonState::Normal) {
        return reaction;
    }
    fields_.state = ButtonState::Normal;
    if (fields_.is_enabled) {
        Paint(StatePicture::Normal, reaction);
    }
    return reaction;
}

ButtonReaction PushButton::Resize(PixelSize size) {
    size_ = size;
    ButtonReaction reaction;
    ApplyEnabledLook(reaction);
    return reaction;
}

ButtonReaction PushButton::ChangeScale(Scale scale) {
    scale_ = scale;
    ButtonReaction reaction;
    ApplyEnabledLook(reaction);
    return reaction;
}

// The poll also re-arms the hover, as a move would, while the cursor rests on
// the button: losing the focus ends the hover, and a focus that comes back
// with the cursor unmoved (a message box closed from the keyboard, a Tab) sees
// no move, so the button sat in Focus (or Normal, focused by the press) and
// ignored the next click. A held left button still keeps a cancelled press
// cancelled, and presses dragged off were forgotten when the cursor left.
ButtonReaction PushButton::MousePoll(bool cursor_over_button) {
    if (cursor_over_button) {
        return MouseMove();
    }
    ButtonReaction reaction;
    if (!fields_.is_enabled) {
        return reaction;
    }
    // Dragged off: the presses held now will not click, wherever they end.
    fields_.pressed_buttons = 0;
    LeaveHover(reaction);
    return reaction;
}

bool PushButton::TakesFocusOnPress(MouseButton button) const {
    return fields_.is_enabled && button == MouseButton::Left;
}

bool PushButton::ActsAsDefault() const {
    return fields_.is_enabled &&
           (fields_.state == ButtonState::Focus || fields_.state == ButtonState::FocusHover);
}

void PushButton::ForgetPresses() {
    fields_.pressed_buttons = 0;
    fields_.left_held = false;
    fields_.space_held = false;
}

// ---- Painting -------------------------------------------------------------

void PushButton::LeaveHover(ButtonReaction& reaction) {
    if (fields_.state == ButtonState::Hover) {
        fields_.state = ButtonState::Normal;
        Paint(StatePicture::Normal, reaction);
    }
    if (fields_.state == ButtonState::FocusHover) {
        fields_.state = ButtonState::Focus;
        Paint(StatePicture::Selected, reaction);
    }
}

void PushButton::ApplyEnabledLook(ButtonReaction& reaction) {
    Paint(fields_.is_enabled ? StatePicture::Normal : StatePicture::Disable, reaction);
    label_.enabled = fields_.is_enabled;
    reaction.redraw = true;
}

void PushButton::RefreshNormal(ButtonReaction& reaction) {
    if (!fields_.is_enabled) {
        return;
    }
    label_.enabled = true;
    if (fields_.first_run == 0) {
        label_.fore_colour = 0;
    }
    Paint(StatePicture::Normal, reaction);
}

// The face of one event: a later paint of the same event replaces an earlier one.
void PushButton::Paint(StatePicture picture, ButtonReaction& reaction) {
    // In state 4 (or 0) the gradient keeps the direction of the state it came from.
    if (fields_.state == ButtonState::Normal || fields_.state == ButtonState::Focus) {
        fields_.hover_gradient = false;
    } else if (fields_.state == ButtonState::Hover) {
        fields_.hover_gradient = true;
    }
    geometry_.Update(size_.width * scale_.x, size_.height * scale_.y, scale_);

    FacePlan plan;
    plan.picture = picture;
    plan.picture_dpi = geometry_.PictureDpi();
    plan.gradient = GradientFor(fields_.hover_gradient);
    plan.gradient_end_x = size_.width - 1;
    plan.gradient_end_y = size_.height - 1;
    plan.pieces = PiecesInPixels(geometry_.Pieces(), scale_);
    reaction.paint = plan;

    label_.left = 0;
    label_.top = CaptionTop(geometry_.Height(), label_.height);
    label_.width = geometry_.Width();
}

}  // namespace velmora::button_control
