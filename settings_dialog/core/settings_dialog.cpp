#include "settings_dialog/core/settings_dialog.h"

#include "settings_dialog/core/dialog_texts.h"
#include "settings_dialog/core/track_text.h"

namespace velmora::settings_dialog {

OpenFileRequest MusicFileRequest() {
    OpenFileRequest request;
    request.filter = std::string(kFileFilterDescription) + '\0' + kFileFilterPattern + '\0' + '\0';
    request.title = kFileDialogTitle;
    request.file_buffer_size = kFileBufferSize;
    request.title_buffer_size = kFileBufferSize;
    return request;
}

ShellLaunch HomePageLaunch() {
    return {kHomePageVerb, kHomePageAddress, "", "", kShowNormal};
}

ChoiceView SettingsDialog::View() const {
    ChoiceView view;
    view.filled_box = SelectionBoxOf(choice_.kind);
    view.track_box_enabled = choice_.kind == settings::kCdMusic;
    view.file_button_enabled = choice_.kind == settings::kFileMusic;
    return view;
}

std::string SettingsDialog::TrackBoxText() const {
    return TrackText(choice_.repeat_track);
}

void SettingsDialog::RecordCursor(std::optional<std::pair<std::int32_t, std::int32_t>> position) {
    cursor_ = position ? CursorPointFrom(position->first, position->second) : CursorPoint{};
}

DialogReply SettingsDialog::PressChoice(int kind) {
    choice_.kind = static_cast<std::int16_t>(kind);
    DialogReply reply;
    reply.show_choice = true;
    return reply;
}

DialogReply SettingsDialog::ClickButton(ControlId button, std::string_view track_text) {
    DialogReply reply;
    switch (button) {
        case ControlId::ChooseFileButton:
            reply.ask_for_file = true;
            break;
        case ControlId::SaveButton:
            choice_.repeat_track = RepeatTrackFromText(track_text);
            reply.save = true;
            break;
        case ControlId::CancelButton:
            reply.close = true;
            break;
        case ControlId::OtherWorksButton:
            reply.open_home_page = true;
            break;
        default:
            break;
    }
    return reply;
}

DialogReply SettingsDialog::FileAnswered(const OpenFileAnswer& answer) {
    DialogReply reply;
    if (answer.result <= 0) {
        return reply;
    }
    const std::string file = answer.file_buffer.substr(0, answer.file_buffer.find('\0'));
    if (!answer.namable || !answer.playable) {
        const char* why = answer.namable ? kTooLongFileMessage : kUnnamableFileMessage;
        reply.message = std::string(why) + "\n" + file;
        return reply;
    }
    choice_.file = file;
    reply.show_file_name = true;
    return reply;
}

DialogReply SettingsDialog::Saved(const std::optional<std::string>& failure) {
    DialogReply reply;
    if (failure) {
        reply.message = *failure;
    } else {
        reply.close = true;
    }
    return reply;
}

}  // namespace velmora::settings_dialog
