#include "settings/core/file_outcomes.h"

namespace velmora::settings {

namespace {

bool HeldByAnotherProgram(std::uint32_t error) {
    return error == file_error::kSharingViolation || error == file_error::kLockViolation;
}

}  // namespace

FileRead::State ReadStateOf(const ReadAttempt& attempt) {
    if (attempt.is_folder || attempt.open_error == file_error::kFileNotFound ||
        attempt.open_error == file_error::kPathNotFound) {
        return FileRead::State::Missing;
    }
    if (attempt.open_error == file_error::kNone) {
        return attempt.read_whole ? FileRead::State::Read : FileRead::State::Held;
    }
    return HeldByAnotherProgram(attempt.open_error) ? FileRead::State::Held
                                                    : FileRead::State::Denied;
}

Replacement MayReplace(const TargetLook& target) {
    if (target.read_only) {
        return Replacement::Refused;
    }
    if (target.open_error == file_error::kNone || target.open_error == file_error::kFileNotFound) {
        return Replacement::Done;
    }
    return HeldByAnotherProgram(target.open_error) ? Replacement::Held : Replacement::Refused;
}

Replacement AfterFailedMove(bool written, const TargetLook& target_since) {
    return written && MayReplace(target_since) == Replacement::Held ? Replacement::Held
                                                                    : Replacement::Refused;
}

}  // namespace velmora::settings
