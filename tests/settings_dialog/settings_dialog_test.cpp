// The dialog's behaviour: what it shows, and the reply to each user action.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "settings_dialog/core/dialog_texts.h"
#include "settings_dialog/core/group_description.h"
#include "settings_dialog/core/settings_dialog.h"
#include "tests/support/encoded_text_printing.h"

namespace velmora::settings_dialog {
namespace {

using namespace text::literals;

// A reply's steps, in their order: show choice, show file name, ask for a
// file, open the home page, save, close.
using Steps = std::array<bool, 6>;
Steps StepsOf(const DialogReply& r) {
    return {r.show_choice,    r.show_file_name,   r.ask_for_file,
            r.open_home_page, r.save.has_value(), r.close};
}

// The kind whose selection box shows the filled picture; nothing when none does.
std::optional<int> KindShown(const ChoiceView& view) {
    for (const auto& [box, filled] : view.box_filled) {
        if (filled) {
            return KindOfChoiceControl(box);
        }
    }
    return std::nullopt;
}

// A saved choice as its three values.
std::tuple<std::int16_t, std::int16_t, text::Cp932String> Saved(const DialogReply& reply) {
    const settings::MusicChoice& choice = reply.save.value();
    return {choice.kind, choice.repeat_track, choice.file};
}

class SettingsDialogTest : public ::testing::Test {
  protected:
    SettingsDialog dialog{settings::MusicChoice{}};
};

TEST_F(SettingsDialogTest, TheKindChoosesTheBoxPicturesAndTheEnabledControls) {
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
        const ChoiceView view = SettingsDialog({c.kind, 0, "C:\\a.wav"_cp932}).View();
        // Every box has a picture: the kind's filled, the others empty.
        for (const ControlId box : {ControlId::CdBox, ControlId::NoneBox, ControlId::FileBox}) {
            ASSERT_EQ(view.box_filled.count(box), 1u) << c.kind;
            EXPECT_EQ(view.box_filled.at(box), box == c.box) << c.kind;
        }
        EXPECT_EQ(view.box_filled.size(), 3u);
        EXPECT_EQ(view.file_button_enabled, c.file_button) << c.kind;
        EXPECT_EQ(view.track_box_enabled, c.track_box) << c.kind;
        EXPECT_EQ(view.file_name, "C:\\a.wav"_cp932);
    }
}

TEST_F(SettingsDialogTest, TheTrackBoxShowsTheTrackAndNothingForZero) {
    EXPECT_EQ(dialog.TrackBoxText(), ""_cp932);
    EXPECT_EQ(SettingsDialog({1, 7, ""_cp932}).TrackBoxText(), "7"_cp932);
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
    EXPECT_EQ(KindShown(dialog.View()), 2);
}

TEST_F(SettingsDialogTest, TheChosenFileIsTakenOnlyFromAGoodAnswer) {
    dialog = SettingsDialog({2, 0, "C:\\old.wav"_cp932});
    EXPECT_EQ(StepsOf(dialog.ClickButton(ControlId::ChooseFileButton, ""_cp932)),
              (Steps{false, false, true, false, false, false}));
    EXPECT_EQ(StepsOf(dialog.FileAnswered({1, "C:\\\x89\xB9\x8Ay\\new.mp3"_cp932})),
              (Steps{false, true, false, false, false, false}));
    EXPECT_EQ(dialog.View().file_name, "C:\\\x89\xB9\x8Ay\\new.mp3"_cp932);
    // A cancelled or failed request changes nothing.
    for (const std::int32_t result : {0, -1}) {
        EXPECT_EQ(StepsOf(dialog.FileAnswered({result, "C:\\other.mp3"_cp932})), Steps{});
        EXPECT_EQ(dialog.View().file_name, "C:\\\x89\xB9\x8Ay\\new.mp3"_cp932);
    }
    // A file code page 932 cannot name is refused at once, saying which.
    const DialogReply refused = dialog.FileAnswered({1, "C:\\caf?.mp3"_cp932, false});
    EXPECT_EQ(StepsOf(refused), Steps{});
    EXPECT_EQ(refused.message, kUnnamableFileMessage + "\nC:\\caf?.mp3"_cp932);
    // So is one the sound calls cannot open.
    const text::Cp932String long_path =
        "C:\\"_cp932 + text::Cp932String(std::string(300, 'x')) + ".mp3"_cp932;
    EXPECT_EQ(dialog.FileAnswered({1, long_path, true, false}).message,
              kTooLongFileMessage + "\n"_cp932 + long_path);
    EXPECT_EQ(dialog.View().file_name, "C:\\\x89\xB9\x8Ay\\new.mp3"_cp932);
}

TEST_F(SettingsDialogTest, SaveReadsTheTrackBoxThenWritesAndClosesOnlyWhenWritten) {
    dialog = SettingsDialog({2, 9, "D:\\b.wav"_cp932});
    dialog.PressChoice(1);
    const Steps save = Steps{false, false, false, false, true, false};
    const DialogReply saved = dialog.ClickButton(ControlId::SaveButton, "3.5"_cp932);
    EXPECT_EQ(StepsOf(saved), save);
    // The kind as chosen, the track nearest (halves to even), the file kept whatever the kind.
    EXPECT_EQ(Saved(saved), std::make_tuple(1, 4, "D:\\b.wav"_cp932));
    EXPECT_EQ(dialog.ClickButton(ControlId::SaveButton, "-2"_cp932).save->repeat_track, -2);
    EXPECT_EQ(dialog.ClickButton(ControlId::SaveButton, "abc"_cp932).save->repeat_track, 0);

    const DialogReply refused = dialog.Saved("not written"_cp932);
    EXPECT_EQ(StepsOf(refused), Steps{});  // the dialog stays open with the choice
    EXPECT_EQ(refused.message, "not written"_cp932);
    EXPECT_EQ(KindShown(dialog.View()), 1);
    EXPECT_EQ(StepsOf(dialog.Saved(std::nullopt)),
              (Steps{false, false, false, false, false, true}));
}

TEST_F(SettingsDialogTest, CancelClosesWithoutWritingAndTheHomePageLeavesTheDialogOpen) {
    const Steps close = Steps{false, false, false, false, false, true};
    EXPECT_EQ(StepsOf(dialog.ClickButton(ControlId::OtherWorksButton, ""_cp932)),
              (Steps{false, false, false, true, false, false}));
    EXPECT_EQ(StepsOf(dialog.ClickButton(ControlId::CancelButton, "5"_cp932)), close);
    EXPECT_EQ(dialog.TrackBoxText(), ""_cp932);
    EXPECT_EQ(StepsOf(SettingsDialog(settings::MusicChoice{}).Cancel()), close);
}

// A close request while the dialog waits for the user (the chooser, a
// message, the home page's launch) closes once the wait is over and never
// inside it; once closed, no event does anything.
TEST_F(SettingsDialogTest, ACloseWhileWaitingAsksTheWaitToEndAndClosesAfterIt) {
    const Steps close = Steps{false, false, false, false, false, true};
    const auto nothing = [](const DialogReply& reply) {
        return StepsOf(reply) == Steps{} && !reply.focus && !reply.end_wait &&
               reply.message.Empty();
    };
    dialog = SettingsDialog({2, 0, "C:\\a.wav"_cp932});
    dialog.BeginWait();  // the chooser
    const DialogReply asked = dialog.Cancel();
    EXPECT_TRUE(asked.end_wait);
    EXPECT_EQ(StepsOf(asked), Steps{});
    EXPECT_TRUE(dialog.Cancel().end_wait);  // asked again
    EXPECT_TRUE(nothing(dialog.FileAnswered({1, "C:\\b.wav"_cp932})));
    EXPECT_EQ(StepsOf(dialog.EndWait()), close);
    EXPECT_EQ(dialog.View().file_name, "C:\\a.wav"_cp932);
    EXPECT_TRUE(nothing(dialog.Cancel()));
    EXPECT_TRUE(nothing(dialog.EndWait()));
    EXPECT_TRUE(nothing(dialog.PressChoice(1)));
    EXPECT_TRUE(nothing(dialog.ClickButton(ControlId::SaveButton, "3"_cp932)));
    EXPECT_TRUE(nothing(dialog.KeyDown({DialogKey::Tab, false, ControlId::SaveButton})));
    EXPECT_TRUE(nothing(dialog.Saved(std::nullopt)));
    dialog.Deactivated(ControlId::SaveButton);
    EXPECT_TRUE(nothing(dialog.Activated()));

    // The save's message: closed when it is gone; a wait with no close ends in nothing.
    SettingsDialog saving(settings::MusicChoice{});
    saving.BeginWait();
    EXPECT_TRUE(nothing(saving.EndWait()));
    EXPECT_EQ(saving.Saved("held"_cp932).message, "held"_cp932);
    saving.BeginWait();
    EXPECT_TRUE(saving.Cancel().end_wait);
    EXPECT_EQ(StepsOf(saving.EndWait()), close);
}

TEST_F(SettingsDialogTest, KeysMoveTheFocusChooseSaveAndCancel) {
    using K = DialogKey;
    using C = ControlId;
    const Steps none{}, show{true, false, false, false, false, false};
    const Steps save{false, false, false, false, true, false};
    const Steps close{false, false, false, false, false, true};
    struct Row {
        std::int16_t kind;  // chosen (by a press) before the key
        K key;
        bool shift;
        std::optional<C> focus;
        bool list_open;
        std::optional<C> focus_to;
        bool pass;
        std::int16_t kind_after;
        Steps steps;
    };
    const Row rows[] = {
        // Tab and Shift+Tab: the choices, track box, "...", 設定, ｷｬﾝｾﾙ, その他の作品, round.
        {0, K::Tab, false, C::SaveButton, false, C::CancelButton, false, 0, none},
        {0, K::Tab, false, C::OtherWorksButton, false, C::MusicGroup, false, 0, show},
        {0, K::Tab, false, C::MusicGroup, false, C::SaveButton, false, 0, none},
        {1, K::Tab, false, C::MusicGroup, false, C::TrackBox, false, 1, none},
        {2, K::Tab, false, C::MusicGroup, false, C::ChooseFileButton, false, 2, none},
        {1, K::Tab, false, C::TrackBox, true, C::SaveButton, false, 1, none},
        {2, K::Tab, true, C::SaveButton, false, C::ChooseFileButton, false, 2, none},
        {1, K::Tab, true, C::TrackBox, false, C::MusicGroup, false, 1, show},
        {0, K::Tab, true, C::MusicGroup, false, C::OtherWorksButton, false, 0, none},
        {0, K::Tab, false, std::nullopt, false, C::MusicGroup, false, 0, show},
        {0, K::Tab, true, std::nullopt, false, C::OtherWorksButton, false, 0, none},
        // Arrows on the choices choose in screen order (音楽CD, 無し, MP3、WAV), round.
        {1, K::Down, false, C::MusicGroup, false, std::nullopt, false, 0, show},
        {0, K::Right, false, C::MusicGroup, false, std::nullopt, false, 2, show},
        {2, K::Down, false, C::MusicGroup, false, std::nullopt, false, 1, show},
        {1, K::Up, false, C::MusicGroup, false, std::nullopt, false, 2, show},
        {0, K::Left, false, C::MusicGroup, false, std::nullopt, false, 1, show},
        {2, K::Space, false, C::MusicGroup, false, std::nullopt, false, 2, show},
        // Elsewhere arrows and Space are the control's own.
        {1, K::Down, false, C::TrackBox, false, std::nullopt, true, 1, none},
        {0, K::Space, false, C::SaveButton, false, std::nullopt, true, 0, none},
        // Enter: a focused button clicks itself, anything else saves.
        {1, K::Enter, false, C::TrackBox, false, std::nullopt, false, 1, save},
        {0, K::Enter, false, C::MusicGroup, false, std::nullopt, false, 0, save},
        {0, K::Enter, false, std::nullopt, false, std::nullopt, false, 0, save},
        {0, K::Enter, false, C::CancelButton, false, std::nullopt, true, 0, none},
        {2, K::Enter, false, C::ChooseFileButton, false, std::nullopt, true, 2, none},
        // Escape cancels from anywhere; an open list takes both keys itself.
        {0, K::Escape, false, C::MusicGroup, false, std::nullopt, false, 0, close},
        {0, K::Escape, false, C::SaveButton, false, std::nullopt, false, 0, close},
        {1, K::Escape, false, C::TrackBox, true, std::nullopt, true, 1, none},
        {1, K::Enter, false, C::TrackBox, true, std::nullopt, true, 1, none},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << "kind " << row.kind << " key " << static_cast<int>(row.key) << " shift "
                     << row.shift << " focus " << (row.focus ? int(*row.focus) : -1));
        SettingsDialog keyed({row.kind, 0, ""_cp932});
        keyed.PressChoice(row.kind);
        const DialogReply reply =
            keyed.KeyDown({row.key, row.shift, row.focus, row.list_open, "7"_cp932});
        EXPECT_EQ(reply.focus, row.focus_to);
        EXPECT_EQ(reply.pass_key, row.pass);
        EXPECT_EQ(KindShown(keyed.View()), row.kind_after);
        EXPECT_EQ(StepsOf(reply), row.steps);
        if (reply.save) {
            EXPECT_EQ(Saved(reply), std::make_tuple(row.kind_after, 7, ""_cp932));
        }
    }
}

TEST_F(SettingsDialogTest, TheChoicesTakeTheFocusOnTheChosenOneAndFrameIt) {
    dialog = SettingsDialog({2, 0, ""_cp932});
    const DialogReply reply = dialog.KeyDown({DialogKey::Tab, true, ControlId::ChooseFileButton});
    EXPECT_EQ(reply.focus, ControlId::MusicGroup);
    EXPECT_EQ(dialog.View().keyboard_choice, ControlId::FileLabel);
    // With no choice shown (a hand-edited kind) the first on screen is framed,
    // and Space chooses it.
    SettingsDialog fresh({7, 0, ""_cp932});
    fresh.KeyDown({DialogKey::Tab, false, ControlId::OtherWorksButton});
    EXPECT_EQ(fresh.View().keyboard_choice, ControlId::CdLabel);
    fresh.KeyDown({DialogKey::Space, false, ControlId::MusicGroup});
    EXPECT_EQ(KindShown(fresh.View()), 1);
}

// Back from another window, the focus returns to the control it left, unless
// that control no longer takes it.
TEST_F(SettingsDialogTest, TheFocusComesBackWhereItWasIfTheControlStillTakesIt) {
    EXPECT_EQ(dialog.Activated().focus, std::nullopt);  // never left
    struct Case {
        std::int16_t kind_meanwhile;
        std::optional<ControlId> left, back;
    };
    const Case cases[] = {
        {0, ControlId::CancelButton, ControlId::CancelButton},
        {1, ControlId::TrackBox, ControlId::TrackBox},
        {0, ControlId::TrackBox, std::nullopt},
        {2, ControlId::ChooseFileButton, ControlId::ChooseFileButton},
        {1, ControlId::ChooseFileButton, std::nullopt},
        {0, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SettingsDialog left({1, 0, ""_cp932});
        left.Deactivated(c.left);
        left.PressChoice(c.kind_meanwhile);
        const DialogReply back = left.Activated();
        EXPECT_EQ(back.focus, c.back) << c.kind_meanwhile;
        EXPECT_EQ(StepsOf(back), Steps{});
    }
}

TEST_F(SettingsDialogTest, TheGroupIsDescribedInReadingOrderWithNamesAndStates) {
    dialog = SettingsDialog({0, 0, "C:\\a.mp3"_cp932});
    dialog.PressChoice(1);
    auto items = DescribeMusicGroup(dialog.View(), "7"_cp932, ControlId::MusicGroup);
    ASSERT_EQ(items.size(), 6u);
    using R = AccessRole;
    const std::pair<R, text::Cp932View> expected[] = {
        {R::RadioButton, text::Cp932View(kCaptionCd)},
        {R::ComboBox, text::Cp932View(kCaptionRepeatTrack)},
        {R::RadioButton, text::Cp932View(kCaptionNone)},
        {R::RadioButton, text::Cp932View(kCaptionFile)},
        {R::PushButton, text::Cp932View(kCaptionChooseFile)},
        {R::StaticText, "C:\\a.mp3"_cp932},
    };
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].role, expected[i].first) << i;
        EXPECT_EQ(items[i].name, expected[i].second) << i;
    }
    EXPECT_TRUE(items[0].checked && items[0].focused);
    EXPECT_FALSE(items[2].checked || items[2].focused);
    EXPECT_EQ(items[1].value, "7"_cp932);
    EXPECT_TRUE(items[1].enabled);
    EXPECT_FALSE(items[4].enabled);  // "..." only for a file
    // A choice covers its box and its text.
    EXPECT_EQ(items[0].place.x, Place(ControlId::CdBox).rect.x);
    EXPECT_EQ(items[0].place.x + items[0].place.width,
              Place(ControlId::CdLabel).rect.x + Place(ControlId::CdLabel).rect.width);

    items = DescribeMusicGroup(dialog.View(), "7"_cp932, ControlId::TrackBox);
    EXPECT_FALSE(items[0].focused);
    EXPECT_TRUE(items[1].focused);
}

}  // namespace
}  // namespace velmora::settings_dialog
