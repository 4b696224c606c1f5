#pragma once
// What the settings files' platform calls found, judged: an open that failed
// because another program holds the file (it may let go soon), because the
// user may not have it (a refusal for good) or because nothing is there; and
// when a save may put its file in place of the one there.

#include <cstdint>

#include "settings/core/settings_ports.h"

namespace velmora::settings {

// The error numbers of the platform's file calls that decide: Windows' own.
namespace file_error {
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kFileNotFound = 2;
inline constexpr std::uint32_t kPathNotFound = 3;
inline constexpr std::uint32_t kSharingViolation = 32;
inline constexpr std::uint32_t kLockViolation = 33;
}  // namespace file_error

// One try at reading a whole file.
struct ReadAttempt {
    bool is_folder = false;                        // the path names a folder
    std::uint32_t open_error = file_error::kNone;  // why the open failed
    bool read_whole = false;                       // once open, every byte came
};
// A folder is no file; a file held, or locked in part, may let go; any other
// failure but a missing file or folder is a denial.
FileRead::State ReadStateOf(const ReadAttempt& attempt);

// A look at a save's target: its read-only flag and the error of opening it
// for writing and deleting.
struct TargetLook {
    bool read_only = false;
    std::uint32_t open_error = file_error::kNone;
};
// Whether the target may be replaced now: a read-only file, or one the user
// may not write, refuses for good; one another program holds may let go. The
// replacing move alone would report both as a denial.
Replacement MayReplace(const TargetLook& target);

// A replacement whose move over the target failed: held when the fresh file
// was written whole and the target is held now (taken between the look and
// the move), else refused.
Replacement AfterFailedMove(bool written, const TargetLook& target_since);

}  // namespace velmora::settings
