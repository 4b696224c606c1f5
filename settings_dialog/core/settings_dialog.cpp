#include "settings_dialog/core/settings_dialog.h"

#include <algorithm>

#include "settings_dialog/core/dialog_texts.h"
#include "settings_dialog/core/track_text.h"

namespace velmora::settings_dialog {

OpenFileRequest MusicFileRequest() {
    OpenFileRequest request;
    request.filter_description = text::Cp932String(kFileFilterDescription);
    request.filter_pattern = text::Cp932String(kFileFilterPattern);
    request.title = text::Cp932String(kFileDialogTitle);
    request.file_buffer_size = kFileBufferSize;
    request.title_buffer_size = kFileBufferSize;
    return request;
}

ShellLaunch HomePageLaunch() {
    return {text::Cp932String(kHomePageVerb), text::Cp932String(kHomePageAddress)};
}

ChoiceView SettingsDialog::View() const {
    ChoiceView view;
    for (const int kind : KindsOnScreen()) {
        view.box_filled[*SelectionBoxOf(kind)] = kind == choice_.kind;
    }
    view.track_box_enabled = choice_.kind == settings::kCdMusic;
    view.file_button_enabled = choice_.kind == settings::kFileMusic;
    view.keyboard_choice = ChoiceLabelOf(keyboard_kind_);
    view.file_name = choice_.file;
    return view;
}

text::Cp932String SettingsDialog::TrackBoxText() const {
    return TrackText(choice_.repeat_track);
}

void SettingsDialog::RecordCursor(std::optional<std::pair<std::int32_t, std::int32_t>> position) {
    cursor_ = position ? CursorPointFrom(position->first, position->second) : CursorPoint{};
}

DialogReply SettingsDialog::PressChoice(int kind) {
    if (Closing()) {
        return {};
    }
    choice_.kind = static_cast<std::int16_t>(kind);
    keyboard_kind_ = kind;
    DialogReply reply;
    reply.show_choice = true;
    return reply;
}

DialogReply SettingsDialog::ClickButton(ControlId button, text::Cp932View track_text) {
    DialogReply reply;
    if (button == ControlId::CancelButton && !closed_) {
        return Close();  // again while a close waits: the window waited on is asked again
    }
    if (Closing()) {
        return reply;
    }
    switch (button) {
        case ControlId::ChooseFileButton:
            reply.ask_for_file = true;
            break;
        case ControlId::SaveButton:
            choice_.repeat_track = RepeatTrackFromText(track_text);
            reply.save = choice_;
            break;
        case ControlId::OtherWorksButton:
            reply.open_home_page = true;
            break;
        default:
            break;
    }
    return reply;
}

DialogReply SettingsDialog::KeyDown(const KeyPress& press) {
    if (Closing()) {
        return {};
    }
    const bool on_choices = press.focus == ControlId::MusicGroup;
    const bool on_button = press.focus && Place(*press.focus).kind == ControlKind::Button;
    DialogReply pass;
    pass.pass_key = true;
    switch (press.key) {
        case DialogKey::Tab:
            return MoveFocus(press.focus, press.shift);
        case DialogKey::Escape:
            return press.track_list_open ? pass : Cancel();
        case DialogKey::Enter:
            return press.track_list_open || on_button
                       ? pass
                       : ClickButton(ControlId::SaveButton, press.track_text);
        case DialogKey::Space:
            return on_choices ? PressChoice(keyboard_kind_) : pass;
        default:
            break;
    }
    if (!on_choices) {
        return pass;
    }
    const std::vector<int> kinds = KindsOnScreen();
    const auto at = std::find(kinds.begin(), kinds.end(), keyboard_kind_) - kinds.begin();
    const bool back = press.key == DialogKey::Up || press.key == DialogKey::Left;
    const auto count = static_cast<std::ptrdiff_t>(kinds.size());
    return PressChoice(kinds[static_cast<std::size_t>((at + (back ? count - 1 : 1)) % count)]);
}

bool SettingsDialog::TakesFocus(ControlId id) const {
    const ChoiceView view = View();
    return (id != ControlId::TrackBox || view.track_box_enabled) &&
           (id != ControlId::ChooseFileButton || view.file_button_enabled);
}

DialogReply SettingsDialog::Activated() const {
    DialogReply reply;
    if (!Closing() && focus_when_left_ && TakesFocus(*focus_when_left_)) {
        reply.focus = focus_when_left_;
    }
    return reply;
}

// From no stop, forward starts at the first and back at the last.
DialogReply SettingsDialog::MoveFocus(std::optional<ControlId> from, bool back) {
    const std::vector<ControlId> stops = FocusOrder();
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    const auto found = from ? std::find(stops.begin(), stops.end(), *from) : stops.end();
    const std::ptrdiff_t start =
        found != stops.end() ? found - stops.begin() : (back ? 0 : count - 1);
    DialogReply reply;
    for (std::ptrdiff_t step = 1; step <= count && !reply.focus; ++step) {
        const ControlId next =
            stops[static_cast<std::size_t>((start + (back ? count - step : step)) % count)];
        if (TakesFocus(next)) {
            reply.focus = next;
        }
    }
    if (reply.focus == ControlId::MusicGroup) {
        // The choices take the focus on the chosen one.
        if (SelectionBoxOf(choice_.kind)) {
            keyboard_kind_ = choice_.kind;
        }
        reply.show_choice = true;
    }
    return reply;
}

DialogReply SettingsDialog::FileAnswered(const OpenFileAnswer& answer) {
    DialogReply reply;
    if (Closing() || answer.result <= 0) {
        return reply;
    }
    if (!answer.namable || !answer.playable) {
        const text::Cp932View why = answer.namable ? kTooLongFileMessage : kUnnamableFileMessage;
        reply.message = why + text::Cp932View("\n") + answer.file;
        return reply;
    }
    choice_.file = answer.file;
    reply.show_file_name = true;
    return reply;
}

DialogReply SettingsDialog::Saved(const std::optional<text::Cp932String>& failure) {
    DialogReply reply;
    if (Closing()) {
        return reply;
    }
    if (failure) {
        reply.message = *failure;
        return reply;
    }
    return Close();
}

// Closed at once, or, while the dialog waits, once the wait is over.
DialogReply SettingsDialog::Close() {
    DialogReply reply;
    if (waiting_) {
        close_pending_ = true;
        reply.end_wait = true;
    } else {
        closed_ = true;
        reply.close = true;
    }
    return reply;
}

DialogReply SettingsDialog::EndWait() {
    waiting_ = false;
    if (!close_pending_) {
        return {};
    }
    close_pending_ = false;
    return Close();
}

}  // namespace velmora::settings_dialog
