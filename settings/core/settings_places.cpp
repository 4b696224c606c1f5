#include "settings/core/settings_places.h"

#include "text/core/cp932_text.h"

namespace velmora::settings {

namespace {

// The user's own folder for the program's settings.
constexpr char kProgramFolderName[] = "Velmora";

std::string FailureMessage(const std::vector<std::string>& paths) {
    std::string message = kSaveFailedMessage;
    for (const std::string& path : paths) {
        message += "\n" + path;
    }
    return message;
}

}  // namespace

SettingsPlaces PlacesFor(std::string_view program_folder, std::string_view app_data_folder) {
    SettingsPlaces places;
    places.beside_program = text::InFolder(program_folder, kSettingsFileName);
    if (!app_data_folder.empty()) {
        places.user_folder = text::InFolder(app_data_folder, kProgramFolderName);
        places.per_user = text::InFolder(places.user_folder, kSettingsFileName);
    }
    return places;
}

std::string ReadSettingsFile(SettingsFilePort& port, const SettingsPlaces& places) {
    if (!places.per_user.empty()) {
        if (auto bytes = port.ReadWholeFile(places.per_user)) {
            return *bytes;
        }
    }
    return port.ReadWholeFile(places.beside_program).value_or(std::string());
}

std::optional<std::string> SaveSettingsValues(SettingsFilePort& port, const SettingsPlaces& places,
                                              std::string_view section,
                                              const std::vector<IniEntry>& entries) {
    if (!places.per_user.empty()) {
        if (const auto bytes = port.ReadWholeFile(places.per_user)) {
            if (port.ReplaceWholeFile(places.per_user, WithIniValues(*bytes, section, entries))) {
                return std::nullopt;
            }
            return FailureMessage({places.per_user});
        }
    }
    const std::string updated = WithIniValues(
        port.ReadWholeFile(places.beside_program).value_or(std::string()), section, entries);
    if (port.ReplaceWholeFile(places.beside_program, updated)) {
        return std::nullopt;
    }
    if (places.per_user.empty()) {
        return FailureMessage({places.beside_program});
    }
    if (port.MakeFolder(places.user_folder) && port.ReplaceWholeFile(places.per_user, updated)) {
        return std::nullopt;
    }
    return FailureMessage({places.beside_program, places.per_user});
}

}  // namespace velmora::settings
