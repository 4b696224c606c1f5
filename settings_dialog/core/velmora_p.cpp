#include "settings_dialog/core/velmora_p.h"

#include <utility>

#include "saver/core/saver_texts.h"
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

VelmoraP::VelmoraP(DialogPort& port, music::BgmSettings& settings, saver::CursorPoint& cursor,
                   std::string settings_file)
    : port_(port), settings_(settings), cursor_(cursor), settings_file_(std::move(settings_file)) {}

void VelmoraP::Form_Load() {
    port_.MoveDialog(PlaceDialog(port_.ScreenWidth(), port_.ScreenHeight(), port_.DialogWidth(),
                                 port_.DialogHeight()));
    port_.InitButtons();
    ShowKind();
    port_.SetRepeatText(TrackText(settings_.BGM_RepeatTrack));
    for (const std::string& entry : TrackListEntries()) {
        port_.AddRepeatEntry(entry);
    }
    port_.SetFileCaption(settings_.BGM_File);
    const auto position = port_.CursorPosition();
    cursor_ =
        position ? saver::CursorPointFrom(position->first, position->second) : saver::CursorPoint{};
    port_.ZoomOpenFromCursor();
    port_.SetMousePointer(MousePointer::Default);
}

void VelmoraP::Form_Unload() {
    port_.ZoomCloseToCursor();
}

void VelmoraP::SelectKind(int index) {
    settings_.BGM_Kind = static_cast<std::int16_t>(index);
    ShowKind();
}

// The selection boxes and the enabling rule: "..." only for a file, the
// track box only for the CD. A kind outside 0..2 fills no box.
void VelmoraP::ShowKind() {
    port_.SetEnabled(ControlId::Cmd_BGM, false);
    port_.SetEnabled(ControlId::BGM_Repeat, false);
    for (int kind = 0; kind < 3; ++kind) {
        port_.ShowSelectionPicture(*SelectionBoxOf(kind), false);
    }
    if (const auto box = SelectionBoxOf(settings_.BGM_Kind)) {
        port_.ShowSelectionPicture(*box, true);
    }
    if (settings_.BGM_Kind == music::kBgmCd) {
        port_.SetEnabled(ControlId::BGM_Repeat, true);
    } else if (settings_.BGM_Kind == music::kBgmFile) {
        port_.SetEnabled(ControlId::Cmd_BGM, true);
    }
}

void VelmoraP::Cmd_BGM_Click() {
    const OpenFileAnswer answer = port_.RequestOpenFileName(MusicFileRequest());
    if (answer.result > 0) {
        settings_.BGM_File = answer.file_buffer.substr(0, answer.file_buffer.find('\0'));
        port_.SetFileCaption(settings_.BGM_File);
    }
}

void VelmoraP::Cmd_Set_Click() {
    using saver::kSettingsSection;
    port_.WriteIni(kSettingsSection, saver::kKeyKind, std::to_string(settings_.BGM_Kind),
                   settings_file_);
    settings_.BGM_RepeatTrack = RepeatTrackFromText(port_.RepeatText());
    port_.WriteIni(kSettingsSection, saver::kKeyRepeatTrack,
                   std::to_string(settings_.BGM_RepeatTrack), settings_file_);
    port_.WriteIni(kSettingsSection, saver::kKeyFile, settings_.BGM_File, settings_file_);
    port_.Unload();
}

void VelmoraP::Cmd_Can_Click() {
    port_.Unload();
}

void VelmoraP::Cmd_Etc_Click() {
    port_.SetMousePointer(MousePointer::Hourglass);
    port_.LaunchDocument({kHomePageVerb, kHomePageAddress, "", "", kShowNormal});
    port_.SetMousePointer(MousePointer::Default);
}

}  // namespace velmora::settings_dialog
