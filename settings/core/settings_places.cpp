#include "settings/core/settings_places.h"

#include "contract/run_contract.h"
#include "text/core/ascii_text.h"
#include "text/core/cp932_text.h"

namespace velmora::settings {

namespace {

using namespace text::literals;

text::Cp932String NamingFiles(text::Cp932View message, TextCodec& codec,
                              const std::vector<std::u16string>& paths) {
    text::Cp932String named(message);
    for (const std::u16string& path : paths) {
        named += "\n"_cp932;
        named += codec.ToCp932(path);
    }
    return named;
}

// Tries again while `again` says the outcome may change, for up to
// kHeldFileRetryMilliseconds.
template <typename Try, typename Again>
auto Retrying(Pause& pause, Try attempt, Again again) {
    auto outcome = attempt();
    for (int waited = 0; again(outcome) && waited < kHeldFileRetryMilliseconds;
         waited += kHeldFileRetryStepMilliseconds) {
        pause.Wait(kHeldFileRetryStepMilliseconds);
        outcome = attempt();
    }
    return outcome;
}

FileRead ReadRetrying(SettingsPorts ports, const std::u16string& path) {
    return Retrying(
        ports.pause, [&] { return ports.files.ReadWholeFile(path); },
        [](const FileRead& read) { return read.state == FileRead::State::Held; });
}

bool ReadsBackAs(TextCodec& codec, const FileRead& file, text::Cp932View section,
                 const std::vector<IniEntry>& entries) {
    if (file.state != FileRead::State::Read) {
        return false;
    }
    for (const IniEntry& entry : entries) {
        if (ReadIniValue(file.bytes, section, entry.key, codec) != entry.value) {
            return false;
        }
    }
    return true;
}

enum class Written {
    Done,
    Refused,  // the place will not take the file: another place may
    Failed,   // held for good, or not kept: the choice stays where it is
};

Written WriteValues(SettingsPorts ports, const std::u16string& path, text::Cp932View section,
                    const std::vector<IniEntry>& entries) {
    // The file's other lines are kept, so one that cannot be read now is not written over.
    const FileRead current = ReadRetrying(ports, path);
    if (current.state == FileRead::State::Denied) {
        return Written::Refused;
    }
    if (current.state == FileRead::State::Held) {
        return Written::Failed;
    }
    const std::string updated = WithIniValues(current.bytes, section, entries, ports.codec);
    const Replacement replaced = Retrying(
        ports.pause, [&] { return ports.files.ReplaceWholeFile(path, updated); },
        [](Replacement outcome) { return outcome == Replacement::Held; });
    if (replaced == Replacement::Refused) {
        return Written::Refused;
    }
    if (replaced == Replacement::Held) {
        return Written::Failed;
    }
    // A scanner may open the new file at once: the read-back waits for it too.
    return ReadsBackAs(ports.codec, ReadRetrying(ports, path), section, entries) ? Written::Done
                                                                                 : Written::Failed;
}

}  // namespace

SettingsPlaces PlacesFor(std::u16string_view program_folder, std::u16string_view app_data_folder) {
    SettingsPlaces places;
    places.program_folder = program_folder;
    const std::u16string file_name = text::AsciiWidened<char16_t>(contract::kSettingsFileName);
    places.file_beside_program = text::InFolder(program_folder, file_name);
    if (!app_data_folder.empty()) {
        places.per_user_folder = text::InFolder(
            app_data_folder, text::AsciiWidened<char16_t>(contract::kPerUserSettingsFolder));
        places.per_user_file = text::InFolder(places.per_user_folder, file_name);
    }
    return places;
}

SettingsRead ReadSettingsFile(SettingsPorts ports, const SettingsPlaces& places) {
    SettingsRead read;
    for (const std::u16string* path : {&places.per_user_file, &places.file_beside_program}) {
        if (path->empty()) {
            continue;
        }
        FileRead file = ReadRetrying(ports, *path);
        if (file.state == FileRead::State::Read) {
            read.bytes = std::move(file.bytes);
            return read;
        }
        if (file.state != FileRead::State::Missing) {
            read.unreadable.push_back(*path);
        }
    }
    return read;
}

text::Cp932String UnreadableFilesMessage(TextCodec& codec,
                                         const std::vector<std::u16string>& paths) {
    return NamingFiles(kLoadFailedMessage, codec, paths);
}

std::optional<text::Cp932String> SaveSettingsValues(SettingsPorts ports,
                                                    const SettingsPlaces& places,
                                                    text::Cp932View section,
                                                    const std::vector<IniEntry>& entries) {
    const auto failure = [&](const std::vector<std::u16string>& paths) {
        return std::optional<text::Cp932String>(
            NamingFiles(kSaveFailedMessage, ports.codec, paths));
    };
    const bool has_user_place = !places.per_user_file.empty();
    // Once the per-user file exists it is what every load reads first.
    if (has_user_place &&
        ports.files.ReadWholeFile(places.per_user_file).state != FileRead::State::Missing) {
        if (WriteValues(ports, places.per_user_file, section, entries) == Written::Done) {
            return std::nullopt;
        }
        return failure({places.per_user_file});
    }
    const Written beside = WriteValues(ports, places.file_beside_program, section, entries);
    if (beside == Written::Done) {
        return std::nullopt;
    }
    if (beside == Written::Failed || !has_user_place) {
        return failure({places.file_beside_program});
    }
    if (ports.files.MakeFolder(places.per_user_folder) &&
        WriteValues(ports, places.per_user_file, section, entries) == Written::Done) {
        return std::nullopt;
    }
    return failure({places.file_beside_program, places.per_user_file});
}

}  // namespace velmora::settings
