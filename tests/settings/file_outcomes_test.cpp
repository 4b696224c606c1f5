// What the settings files' platform calls found, judged: a load waits only on
// a held file, names only a file that exists, and a save replaces only a file
// it may.
#include "settings/core/file_outcomes.h"

#include <gtest/gtest.h>

namespace velmora::settings {
namespace {

namespace error = file_error;
constexpr std::uint32_t kAccessDenied = 5;
constexpr std::uint32_t kBadNetworkPath = 53;

TEST(FileOutcomes, AReadTellsAHeldFileFromADeniedOneAndFromNone) {
    using S = FileRead::State;
    const struct {
        ReadAttempt attempt;
        S state;
    } cases[] = {
        {{false, error::kNone, true}, S::Read},
        {{false, error::kNone, false}, S::Held},  // a range locked by another program
        {{false, error::kSharingViolation, false}, S::Held},
        {{false, error::kLockViolation, false}, S::Held},
        {{false, error::kFileNotFound, false}, S::Missing},
        {{false, error::kPathNotFound, false}, S::Missing},
        {{false, kAccessDenied, false}, S::Denied},
        {{false, kBadNetworkPath, false}, S::Denied},
        {{true, error::kNone, true}, S::Missing},  // a folder of the file's name
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadStateOf(c.attempt), c.state)
            << c.attempt.is_folder << " " << c.attempt.open_error << " " << c.attempt.read_whole;
    }
}

TEST(FileOutcomes, ASaveWaitsOnlyOnAHeldTargetAndNeverReplacesAReadOnlyOne) {
    using R = Replacement;
    const struct {
        TargetLook look;
        R may;
    } cases[] = {
        {{false, error::kNone}, R::Done},
        {{false, error::kFileNotFound}, R::Done},  // made afresh
        {{false, error::kSharingViolation}, R::Held},
        {{false, error::kLockViolation}, R::Held},
        {{false, kAccessDenied}, R::Refused},
        {{false, error::kPathNotFound}, R::Refused},
        {{true, error::kNone}, R::Refused},  // a system that opens it all the same
        {{true, error::kSharingViolation}, R::Refused},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MayReplace(c.look), c.may) << c.look.read_only << " " << c.look.open_error;
    }
    // A failed move: waited on only when the file was written and the target is held now.
    EXPECT_EQ(AfterFailedMove(true, {false, error::kSharingViolation}), R::Held);
    EXPECT_EQ(AfterFailedMove(false, {false, error::kSharingViolation}), R::Refused);
    EXPECT_EQ(AfterFailedMove(true, {false, error::kNone}), R::Refused);
    EXPECT_EQ(AfterFailedMove(true, {false, kAccessDenied}), R::Refused);
}

}  // namespace
}  // namespace velmora::settings
