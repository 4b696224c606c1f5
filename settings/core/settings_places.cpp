#include "settings/core/settings_places.h"

#include "text/core/cp932_text.h"

namespace velmora::settings {

namespace {

// The user's own folder for the program's settings.
constexpr char16_t kProgramFolderName[] = u"Velmora";

std::string FailureMessage(SettingsFilePort& port, const std::vector<std::u16string>& paths) {
    std::string message = kSaveFailedMessage;
    for (const std::u16string& path : paths) {
        message += "\n" + port.Narrow(path, IniEncoding::Cp932);
    }
    return message;
}

// Tries again while `again` says the outcome may change, for up to
// kHeldFileRetryMilliseconds.
template <typename Try, typename Again>
auto Retrying(SettingsFilePort& port, Try attempt, Again again) {
    auto outcome = attempt();
    for (int waited = 0; again(outcome) && waited < kHeldFileRetryMilliseconds;
         waited += kHeldFileRetryStepMilliseconds) {
        port.Wait(kHeldFileRetryStepMilliseconds);
        outcome = attempt();
    }
    return outcome;
}

bool ReadsBackAs(SettingsFilePort& port, const FileRead& file, std::string_view section,
                 const std::vector<IniEntry>& entries) {
    if (file.state != FileRead::State::Read) {
        return false;
    }
    for (const IniEntry& entry : entries) {
        if (ReadIniValue(file.bytes, section, entry.key, port) != entry.value) {
            return false;
        }
    }
    return true;
}

}  // namespace

SettingsPlaces PlacesFor(std::u16string_view program_folder, std::u16string_view app_data_folder) {
    SettingsPlaces places;
    places.program_folder = program_folder;
    places.beside_program = text::InFolder(program_folder, kSettingsFileName);
    if (!app_data_folder.empty()) {
        places.user_folder = text::InFolder(app_data_folder, kProgramFolderName);
        places.per_user = text::InFolder(places.user_folder, kSettingsFileName);
    }
    return places;
}

std::string ReadSettingsFile(SettingsFilePort& port, const SettingsPlaces& places) {
    FileRead chosen = port.ReadWholeFile(places.beside_program);
    if (!places.per_user.empty()) {
        FileRead user = port.ReadWholeFile(places.per_user);
        if (user.state == FileRead::State::Read &&
            (chosen.state != FileRead::State::Read || user.last_written > chosen.last_written)) {
            chosen = std::move(user);
        }
    }
    return chosen.state == FileRead::State::Read ? chosen.bytes : std::string();
}

std::optional<std::string> SaveSettingsValues(SettingsFilePort& port, const SettingsPlaces& places,
                                              std::string_view section,
                                              const std::vector<IniEntry>& entries) {
    const bool beside = places.per_user.empty() || port.FolderAcceptsNewFile(places.program_folder);
    const std::u16string& target = beside ? places.beside_program : places.per_user;
    // The message names the program's folder's file too when it was passed over.
    std::vector<std::u16string> refused = {target};
    if (!beside) {
        refused.insert(refused.begin(), places.beside_program);
    }
    if (!beside && !port.MakeFolder(places.user_folder)) {
        return FailureMessage(port, refused);
    }
    // The file's other lines are kept, so one that cannot be read now is not written over.
    const FileRead current = Retrying(
        port, [&] { return port.ReadWholeFile(target); },
        [](const FileRead& read) { return read.state == FileRead::State::Unreadable; });
    if (current.state == FileRead::State::Unreadable) {
        return FailureMessage(port, refused);
    }
    const std::string updated = WithIniValues(current.bytes, section, entries, port);
    const Replacement replaced = Retrying(
        port, [&] { return port.ReplaceWholeFile(target, updated); },
        [](Replacement outcome) { return outcome == Replacement::Held; });
    if (replaced != Replacement::Done ||
        !ReadsBackAs(port, port.ReadWholeFile(target), section, entries)) {
        return FailureMessage(port, refused);
    }
    return std::nullopt;
}

}  // namespace velmora::settings
