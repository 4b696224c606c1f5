#include "button_control/core/command.h"

#include <memory>
#include <utility>

#include "button_control/core/property_values.h"

namespace velmora::button_control {

bool IsValidColour(std::int32_t colour) {
    const auto bits = static_cast<std::uint32_t>(colour);
    return bits <= 0x00FFFFFFu || (bits >= 0x80000000u && bits <= 0x80000018u);
}

Command::Command(CommandSite& site, Scale scale) : site_(site), scale_(scale) {
    label_.Font = std::make_shared<velmora::button_control::Font>(DesignedFont());
}

void Command::Initialize() {
    state_.ButtonState = StateNormal;
    site_.StartTimer(kTmrMouseInterval);
}

// ---- Properties -----------------------------------------------------------

bool Command::Visible() {
    if (state_.BackStyle != 0) {
        RefreshNormal();
        return true;
    }
    return false;
}

void Command::Visible(bool New_Visible) {
    if (New_Visible) {
        state_.BackStyle = 1;
        RefreshNormal();
    } else {
        state_.BackStyle = 0;
    }
    site_.Redraw();
    site_.PropertyChanged("Visible");
}

std::int32_t Command::FontColour() {
    const std::int32_t colour = label_.ForeColor;
    RefreshNormal();
    return colour;
}

void Command::FontColour(std::int32_t New_FontColour) {
    const bool accepted = IsValidColour(New_FontColour);
    if (accepted) {
        label_.ForeColor = New_FontColour;
    }
    RefreshNormal();
    site_.Redraw();
    if (accepted) {
        site_.PropertyChanged("FontColour");
    }
}

bool Command::Enabled() {
    if (state_.FirstRun == 0) {
        RefreshNormal();
        state_.FirstRun = 1;
        state_.IsEnabled = true;
    }
    const bool enabled = state_.IsEnabled;
    ApplyEnabledLook();
    return enabled;
}

void Command::Enabled(bool New_Enabled) {
    state_.IsEnabled = New_Enabled;
    site_.PropertyChanged("Enabled");
    ApplyEnabledLook();
}

std::string Command::Caption() const {
    return label_.Caption;
}

void Command::Caption(const std::string& New_Caption) {
    label_.Caption = New_Caption;
    site_.Redraw();
    site_.PropertyChanged("Caption");
}

FontRef Command::Font() const {
    return label_.Font;
}

void Command::Font(FontRef New_Font) {
    if (!New_Font) {
        return;  // a caption always has a font
    }
    label_.Font = std::move(New_Font);
    site_.Redraw();
    site_.PropertyChanged("Font");
}

// ---- Persistence ----------------------------------------------------------
// Each entry is read on its own: a missing entry gives the read default, an
// unconvertible one leaves its field as it was.

void Command::UserControl_ReadProperties(const PropertyBag& PropBag) {
    if (const auto enabled = ToBoolean(PropBag.ReadProperty("Enabled", BooleanText(true)))) {
        state_.IsEnabled = *enabled;
    }
    label_.Caption = PropBag.ReadProperty("Caption", kDefaultCaption);
    const auto stored_font = PropBag.Find("Font");
    const auto font = stored_font ? FontFromText(*stored_font) : site_.AmbientFont();
    if (font) {
        label_.Font->Name = font->Name;  // size, weight and style stay
    }
    if (const auto first_run = ToUInt8(PropBag.ReadProperty("FirstRun", "1"))) {
        state_.FirstRun = *first_run;
    }
    const auto colour = ToInt32(PropBag.ReadProperty("FontColour", "0"));
    if (colour && IsValidColour(*colour)) {
        label_.ForeColor = *colour;
    }
    const auto back_style = ToInt16(PropBag.ReadProperty("Visible", "1"));
    if (back_style && (*back_style == 0 || *back_style == 1)) {
        state_.BackStyle = *back_style;
    }
    RefreshNormal();
    site_.Redraw();
}

void Command::UserControl_WriteProperties(PropertyBag& PropBag) {
    PropBag.WriteProperty("Enabled", BooleanText(state_.IsEnabled), BooleanText(true));
    PropBag.WriteProperty("Caption", label_.Caption, kDefaultCaption);
    PropBag.WriteProperty("FirstRun", IntegerText(state_.FirstRun), "1");
    PropBag.WriteProperty("Font", FontToText(*label_.Font), FontToText(site_.AmbientFont()));
    PropBag.WriteProperty("FontColour", IntegerText(label_.ForeColor), "0");
    PropBag.WriteProperty("Visible", IntegerText(state_.BackStyle), "1");
    RefreshNormal();
}

// ---- Input ----------------------------------------------------------------
// Every handler does nothing at all while the control is disabled.

void Command::UserControl_MouseMove() {
    if (!state_.IsEnabled) {
        return;
    }
    if (state_.ButtonState == StateNormal) {
        state_.ButtonState = StateHover;
        PaintButton(StatePicture::HighLight);
    }
    // Not while the left button is held: a press dragged off and back stays cancelled.
    if (state_.ButtonState == StateFocus && !state_.MouseIsDown) {
        state_.ButtonState = StateFocusHover;
        PaintButton(StatePicture::HighLightSelect);
    }
}

void Command::UserControl_MouseDown(int Button) {
    if (!state_.IsEnabled || Button != kLeftButton) {
        return;
    }
    state_.MouseIsDown = true;
    PaintButton(StatePicture::Pressed);
}

void Command::UserControl_MouseUp(int Button) {
    if (!state_.IsEnabled) {
        return;
    }
    if (Button == kLeftButton) {
        state_.MouseIsDown = false;
        if (state_.ButtonState == StateHover) {
            PaintButton(StatePicture::Normal);
        }
        if (state_.ButtonState == StateFocusHover) {
            PaintButton(StatePicture::HighLightSelect);
        }
    }
    // State 3 here means the timer saw the cursor leave a focused button while
    // it was held: the press is cancelled.
    if (state_.ButtonState != StateFocus && state_.IsEnabled) {
        site_.RaiseClick();
    }
}

void Command::UserControl_GotFocus() {
    if (!state_.IsEnabled) {
        return;
    }
    if (state_.ButtonState == StateHover) {
        // A click on a hovered button brings the focus together with the press.
        state_.ButtonState = StateFocusHover;
        PaintButton(StatePicture::Pressed);
    } else {
        state_.ButtonState = StateFocus;
        PaintButton(StatePicture::Selected);
    }
}

void Command::UserControl_LostFocus() {
    if (!state_.IsEnabled) {
        return;
    }
    if (state_.ButtonState != StateNormal) {
        state_.ButtonState = StateNormal;
        PaintButton(StatePicture::Normal);
    }
}

void Command::UserControl_Resize() {
    ApplyEnabledLook();
}

void Command::TmrMouse_Timer(bool cursor_over_control) {
    if (!state_.IsEnabled) {
        return;
    }
    if (!cursor_over_control) {
        LeaveHover();
    }
}

bool Command::TakesFocusOnPress(int Button) const {
    return state_.IsEnabled && Button == kLeftButton;
}

// ---- Painting -------------------------------------------------------------

void Command::LeaveHover() {
    if (!state_.IsEnabled) {
        return;
    }
    if (state_.ButtonState == StateHover) {
        state_.ButtonState = StateNormal;
        PaintButton(StatePicture::Normal);
    }
    if (state_.ButtonState == StateFocusHover) {
        state_.ButtonState = StateFocus;
        PaintButton(StatePicture::Selected);
    }
}

void Command::ApplyEnabledLook() {
    if (state_.IsEnabled) {
        PaintButton(StatePicture::Normal);
        label_.Enabled = true;
    } else {
        PaintButton(StatePicture::Disable);
        label_.Enabled = false;
    }
    site_.Redraw();
}

void Command::RefreshNormal() {
    if (!state_.IsEnabled) {
        return;
    }
    label_.Enabled = true;
    if (state_.FirstRun == 0) {
        label_.ForeColor = 0;
    }
    PaintButton(StatePicture::Normal);
}

void Command::PaintButton(StatePicture picture) {
    // In state 4 (or 0) the gradient keeps the direction of the state it came from.
    if (state_.ButtonState == StateNormal || state_.ButtonState == StateFocus) {
        state_.HoverGradient = false;
    } else if (state_.ButtonState == StateHover) {
        state_.HoverGradient = true;
    }
    const PixelSize size = site_.ClientSize();
    geometry_.Update(size.width * scale_.x, size.height * scale_.y, scale_);

    FacePlan plan;
    plan.picture = picture;
    plan.gradient = GradientFor(state_.HoverGradient);
    plan.gradient_end_x = size.width - 1;
    plan.gradient_end_y = size.height - 1;
    plan.pieces = PiecesInPixels(geometry_.Pieces(), scale_);
    site_.PaintFace(plan);

    label_.Left = 0;
    label_.Top = CaptionTop(geometry_.Height(), label_.Height);
    label_.Width = geometry_.Width();
}

}  // namespace velmora::button_control
