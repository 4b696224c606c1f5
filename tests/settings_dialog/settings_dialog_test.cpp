// The dialog's behaviour: what it shows, and the reply to each user action.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "settings_dialog/core/dialog_texts.h"
#include "settings_dialog/core/settings_dialog.h"

namespace velmora::settings_dialog {
namespace {

// A reply's steps, in their order: show choice, show file name, ask for a
// file, open the home page, save, close.
using Steps = std::array<bool, 6>;
Steps StepsOf(const DialogReply& r) {
    return {r.show_choice, r.show_file_name, r.ask_for_file, r.open_home_page, r.save, r.close};
}

class SettingsDialogTest : public ::testing::Test {
  protected:
    settings::MusicChoice choice;
    SettingsDialog dialog{choice};
};

TEST_F(SettingsDialogTest, TheKindChoosesTheFilledBoxAndTheEnabledControls) {
    struct Case {
        std::int16_t kind;
        std::optional<ControlId> box;
        bool file_button, track_box;
    };
    const Case cases[] = {
        {0, ControlId::NoneBox, false, false}, {1, ControlId::CdBox, false, true},
        {2, ControlId::FileBox, true, false},  {3, std::nullopt, false, false},
        {-1, std::nullopt, false, false},      {32767, std::nullopt, false, false},
    };
    for (const Case& c : cases) {
        choice.kind = c.kind;
        const ChoiceView view = dialog.View();
        EXPECT_EQ(view.filled_box, c.box) << c.kind;
        EXPECT_EQ(view.file_button_enabled, c.file_button) << c.kind;
        EXPECT_EQ(view.track_box_enabled, c.track_box) << c.kind;
    }
}

TEST_F(SettingsDialogTest, TheTrackBoxShowsTheTrackAndNothingForZero) {
    EXPECT_EQ(dialog.TrackBoxText(), "");
    choice.repeat_track = 7;
    EXPECT_EQ(dialog.TrackBoxText(), "7");
}

TEST_F(SettingsDialogTest, TheZoomsStartAndEndAtTheRecordedCursor) {
    dialog.RecordCursor(std::make_pair(640, 400));
    const ScreenRect window{272, 226, 751, 478};
    EXPECT_EQ(dialog.OpenZoom(window).from, (ScreenRect{640, 400, 640, 400}));
    EXPECT_EQ(dialog.CloseZoom(window).to, (ScreenRect{640, 400, 640, 400}));
    // A platform that cannot tell records the origin.
    dialog.RecordCursor(std::nullopt);
    EXPECT_EQ(dialog.Cursor().x, 0);
    EXPECT_EQ(dialog.Cursor().y, 0);
}

TEST_F(SettingsDialogTest, PressingAChoiceChangesTheKindInMemoryOnly) {
    EXPECT_EQ(StepsOf(dialog.PressChoice(2)), (Steps{true, false, false, false, false, false}));
    EXPECT_EQ(choice.kind, 2);
}

TEST_F(SettingsDialogTest, TheChosenFileIsTheBufferUpToItsFirstNul) {
    choice.file = "C:\\old.wav";
    EXPECT_EQ(StepsOf(dialog.ClickButton(ControlId::ChooseFileButton, "")),
              (Steps{false, false, true, false, false, false}));
    constexpr char kBuffer[] = "C:\\\x89\xB9\x8Ay\\new.mp3\0old tail\0";
    EXPECT_EQ(StepsOf(dialog.FileAnswered({1, std::string(kBuffer, sizeof kBuffer)})),
              (Steps{false, true, false, false, false, false}));
    EXPECT_EQ(choice.file, "C:\\\x89\xB9\x8Ay\\new.mp3");
    // A cancelled or failed request changes nothing.
    for (const std::int32_t result : {0, -1}) {
        EXPECT_EQ(StepsOf(dialog.FileAnswered({result, std::string("C:\\other.mp3\0", 13)})),
                  Steps{});
        EXPECT_EQ(choice.file, "C:\\\x89\xB9\x8Ay\\new.mp3");
    }
    // A file code page 932 cannot name is refused at once, saying which.
    const DialogReply refused = dialog.FileAnswered({1, "C:\\caf?.mp3", false});
    EXPECT_EQ(StepsOf(refused), Steps{});
    EXPECT_EQ(refused.message, std::string(kUnnamableFileMessage) + "\nC:\\caf?.mp3");
    // So is one the sound calls cannot open.
    const std::string long_path = "C:\\" + std::string(300, 'x') + ".mp3";
    EXPECT_EQ(dialog.FileAnswered({1, long_path, true, false}).message,
              std::string(kTooLongFileMessage) + "\n" + long_path);
    EXPECT_EQ(choice.file, "C:\\\x89\xB9\x8Ay\\new.mp3");
}

TEST_F(SettingsDialogTest, SaveReadsTheTrackBoxThenWritesAndClosesOnlyWhenWritten) {
    choice = {1, 9, "D:\\b.wav"};
    const Steps save = Steps{false, false, false, false, true, false};
    EXPECT_EQ(StepsOf(dialog.ClickButton(ControlId::SaveButton, "3.5")), save);
    EXPECT_EQ(choice.repeat_track, 4);  // nearest, halves to even
    dialog.ClickButton(ControlId::SaveButton, "-2");
    EXPECT_EQ(choice.repeat_track, -2);
    dialog.ClickButton(ControlId::SaveButton, "abc");
    EXPECT_EQ(choice.repeat_track, 0);
    EXPECT_EQ(choice.file, "D:\\b.wav");  // kept whatever the kind

    EXPECT_EQ(StepsOf(dialog.Saved(std::nullopt)),
              (Steps{false, false, false, false, false, true}));
    const DialogReply refused = dialog.Saved("not written");
    EXPECT_EQ(StepsOf(refused), Steps{});  // the dialog stays open with the choice
    EXPECT_EQ(refused.message, "not written");
    EXPECT_EQ(choice.kind, 1);
}

TEST_F(SettingsDialogTest, CancelClosesWithoutWritingAndTheHomePageLeavesTheDialogOpen) {
    const Steps close = Steps{false, false, false, false, false, true};
    EXPECT_EQ(StepsOf(dialog.ClickButton(ControlId::CancelButton, "5")), close);
    EXPECT_EQ(StepsOf(dialog.Cancel()), close);
    EXPECT_EQ(choice.repeat_track, 0);
    EXPECT_EQ(StepsOf(dialog.ClickButton(ControlId::OtherWorksButton, "")),
              (Steps{false, false, false, true, false, false}));
    const ShellLaunch launch = HomePageLaunch();
    EXPECT_EQ(launch.verb, "open");
    EXPECT_EQ(launch.file, kHomePageAddress);
    EXPECT_EQ(launch.show, kShowNormal);
}

}  // namespace
}  // namespace velmora::settings_dialog
