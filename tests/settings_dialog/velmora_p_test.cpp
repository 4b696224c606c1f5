// The dialog's behaviour against a recording platform.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "saver/core/saver_texts.h"
#include "settings_dialog/core/dialog_texts.h"
#include "settings_dialog/core/velmora_p.h"

namespace velmora::settings_dialog {
namespace {

class RecordingDialog : public DialogPort {
  public:
    double ScreenWidth() override { return 15360; }
    double ScreenHeight() override { return 11520; }
    double DialogWidth() override { return 7275; }
    double DialogHeight() override { return 4275; }
    void MoveDialog(TwipsPoint top_left) override {
        Log("move " + std::to_string(top_left.left) + " " + std::to_string(top_left.top));
    }
    void InitButtons() override { Log("init buttons"); }
    void SetEnabled(ControlId control, bool enabled) override { enabled_[control] = enabled; }
    void ShowSelectionPicture(ControlId image, bool selected) override {
        selected_[image] = selected;
    }
    void SetRepeatText(const std::string& text) override {
        repeat_text = text;
        Log("repeat text '" + text + "'");
    }
    void AddRepeatEntry(const std::string& text) override { entries.push_back(text); }
    std::string RepeatText() override { return repeat_text; }
    void SetFileCaption(const std::string& text) override { file_caption = text; }
    std::optional<std::pair<std::int32_t, std::int32_t>> CursorPosition() override {
        Log("cursor");
        return cursor;
    }
    void ZoomOpenFromCursor() override { Log("zoom open"); }
    void ZoomCloseToCursor() override { Log("zoom close"); }
    void SetMousePointer(MousePointer pointer) override {
        Log(pointer == MousePointer::Default ? "pointer default" : "pointer hourglass");
    }
    OpenFileAnswer RequestOpenFileName(const OpenFileRequest& request) override {
        requests.push_back(request);
        return answer;
    }
    void LaunchDocument(const ShellLaunch& launch) override {
        Log("shell " + launch.verb + " " + launch.file + " '" + launch.parameters + "' '" +
            launch.folder + "' " + std::to_string(launch.show));
    }
    void WriteIni(const std::string& section, const std::string& key, const std::string& value,
                  const std::string& file) override {
        writes.push_back({section, key, value, file});
        Log("write");
    }
    void Unload() override {
        Log("unload");
        if (form) {
            form->Form_Unload();
        }
    }

    bool Enabled(ControlId control) const { return enabled_.at(control); }
    // Which kinds' boxes show the filled picture.
    std::vector<int> FilledBoxes() const {
        std::vector<int> kinds;
        for (int kind = 0; kind < 3; ++kind) {
            if (selected_.at(*SelectionBoxOf(kind))) {
                kinds.push_back(kind);
            }
        }
        return kinds;
    }
    void Log(const std::string& line) { calls.push_back(line); }

    struct Write {
        std::string section, key, value, file;
    };
    std::vector<std::string> calls;
    std::vector<std::string> entries;
    std::vector<Write> writes;
    std::vector<OpenFileRequest> requests;
    std::string repeat_text, file_caption;
    std::optional<std::pair<std::int32_t, std::int32_t>> cursor = std::make_pair(640, 400);
    OpenFileAnswer answer;
    VelmoraP* form = nullptr;

  private:
    std::map<ControlId, bool> enabled_;
    std::map<ControlId, bool> selected_;
};

constexpr char kIni[] = "C:\\Velmora\\Velmora.ini";

class VelmoraPTest : public ::testing::Test {
  protected:
    VelmoraP& Load(std::int16_t kind, std::int16_t track = 0, std::string file = "") {
        settings.BGM_Kind = kind;
        settings.BGM_RepeatTrack = track;
        settings.BGM_File = std::move(file);
        form_.Form_Load();
        return form_;
    }

    RecordingDialog dialog;
    music::BgmSettings settings;
    saver::CursorPoint cursor{5, 6};
    VelmoraP form_{dialog, settings, cursor, kIni};

    void SetUp() override { dialog.form = &form_; }
};

TEST_F(VelmoraPTest, LoadPlacesShowsRecordsAndZoomsInOrder) {
    Load(0);
    const std::vector<std::string> expected = {"move 4042 2415", "init buttons", "repeat text ''",
                                               "cursor",         "zoom open",    "pointer default"};
    EXPECT_EQ(dialog.calls, expected);
    EXPECT_EQ(dialog.entries.size(), 31u);
    EXPECT_EQ(dialog.entries.front(), "");
    EXPECT_EQ(dialog.entries.back(), "30");
    EXPECT_EQ(cursor.CursorX, 640);
    EXPECT_EQ(cursor.CursorY, 400);
}

TEST_F(VelmoraPTest, CursorFailureRecordsTheOrigin) {
    dialog.cursor.reset();
    Load(0);
    EXPECT_EQ(cursor.CursorX, 0);
    EXPECT_EQ(cursor.CursorY, 0);
}

TEST_F(VelmoraPTest, LoadedKindChoosesBoxAndEnabledControls) {
    Load(1, 0, "C:\\m.mp3");
    EXPECT_EQ(dialog.FilledBoxes(), std::vector<int>{1});
    EXPECT_TRUE(dialog.Enabled(ControlId::BGM_Repeat));
    EXPECT_FALSE(dialog.Enabled(ControlId::Cmd_BGM));
    EXPECT_EQ(dialog.repeat_text, "");
    EXPECT_EQ(dialog.file_caption, "C:\\m.mp3");
}

TEST_F(VelmoraPTest, FileKindEnablesOnlyTheFileButtonAndShowsTheTrack) {
    Load(2, 7);
    EXPECT_EQ(dialog.FilledBoxes(), std::vector<int>{2});
    EXPECT_FALSE(dialog.Enabled(ControlId::BGM_Repeat));
    EXPECT_TRUE(dialog.Enabled(ControlId::Cmd_BGM));
    EXPECT_EQ(dialog.repeat_text, "7");
}

TEST_F(VelmoraPTest, KindOutsideTheChoicesFillsNoBoxAndIsSavedUnchanged) {
    for (const std::int16_t kind : {3, -1, 32767}) {
        RecordingDialog other;
        music::BgmSettings loaded{kind, 0, ""};
        saver::CursorPoint point;
        VelmoraP form(other, loaded, point, kIni);
        form.Form_Load();
        EXPECT_TRUE(other.FilledBoxes().empty()) << kind;
        EXPECT_FALSE(other.Enabled(ControlId::BGM_Repeat));
        EXPECT_FALSE(other.Enabled(ControlId::Cmd_BGM));
        form.Cmd_Set_Click();
        ASSERT_EQ(other.writes.size(), 3u);
        EXPECT_EQ(other.writes[0].value, std::to_string(kind));
    }
}

TEST_F(VelmoraPTest, ChoosingAKindMovesTheBoxAndTheEnabling) {
    Load(1);
    form_.SelectKind(2);
    EXPECT_EQ(settings.BGM_Kind, 2);
    EXPECT_EQ(dialog.FilledBoxes(), std::vector<int>{2});
    EXPECT_TRUE(dialog.Enabled(ControlId::Cmd_BGM));
    EXPECT_FALSE(dialog.Enabled(ControlId::BGM_Repeat));
    form_.SelectKind(0);
    EXPECT_EQ(settings.BGM_Kind, 0);
    EXPECT_EQ(dialog.FilledBoxes(), std::vector<int>{0});
    EXPECT_FALSE(dialog.Enabled(ControlId::Cmd_BGM));
    EXPECT_FALSE(dialog.Enabled(ControlId::BGM_Repeat));
}

TEST_F(VelmoraPTest, ChosenFileIsTheBufferUpToItsFirstNul) {
    Load(2, 0, "C:\\old.wav");
    constexpr char kBuffer[] = "C:\\\x89\xB9\x8Ay\\new.mp3\0old tail\0";
    dialog.answer = {1, std::string(kBuffer, sizeof kBuffer)};
    form_.Cmd_BGM_Click();
    ASSERT_EQ(dialog.requests.size(), 1u);
    EXPECT_EQ(dialog.requests[0].title, kFileDialogTitle);
    EXPECT_EQ(settings.BGM_File, "C:\\\x89\xB9\x8Ay\\new.mp3");
    EXPECT_EQ(dialog.file_caption, settings.BGM_File);
}

TEST_F(VelmoraPTest, CancelledOrFailedFileDialogChangesNothing) {
    Load(2, 0, "C:\\old.wav");
    for (const std::int32_t result : {0, -1}) {
        dialog.answer = {result, std::string("C:\\other.mp3\0", 13)};
        form_.Cmd_BGM_Click();
        EXPECT_EQ(settings.BGM_File, "C:\\old.wav");
        EXPECT_EQ(dialog.file_caption, "C:\\old.wav");
    }
}

TEST_F(VelmoraPTest, SaveWritesTheThreeKeysInOrderThenUnloads) {
    Load(2, 0, "C:\\a.mp3");
    dialog.answer = {1, std::string("D:\\b.wav\0", 9)};
    form_.Cmd_BGM_Click();
    form_.SelectKind(1);
    dialog.repeat_text = "3.5";
    dialog.calls.clear();
    form_.Cmd_Set_Click();
    ASSERT_EQ(dialog.writes.size(), 3u);
    EXPECT_EQ(dialog.writes[0].key, "BGM\x8B\xE6\x95\xAA");
    EXPECT_EQ(dialog.writes[0].value, "1");
    EXPECT_EQ(dialog.writes[1].key, "BGM\xD8\xCB\xDF\xB0\xC4");
    EXPECT_EQ(dialog.writes[1].value, "4");
    EXPECT_EQ(dialog.writes[2].key, "BGM\xCC\xA7\xB2\xD9");
    EXPECT_EQ(dialog.writes[2].value, "D:\\b.wav");  // kept although the kind is not 2
    for (const auto& write : dialog.writes) {
        EXPECT_EQ(write.section, "Section");
        EXPECT_EQ(write.file, kIni);
    }
    EXPECT_EQ(settings.BGM_RepeatTrack, 4);
    const std::vector<std::string> expected = {"write", "write", "write", "unload", "zoom close"};
    EXPECT_EQ(dialog.calls, expected);
}

TEST_F(VelmoraPTest, TrackTextThatIsNoNumberSavesZero) {
    Load(1, 9);
    dialog.repeat_text = "abc";
    form_.Cmd_Set_Click();
    EXPECT_EQ(dialog.writes[1].value, "0");
    EXPECT_EQ(settings.BGM_RepeatTrack, 0);
}

TEST_F(VelmoraPTest, NegativeTrackIsWrittenWithItsSign) {
    Load(1);
    dialog.repeat_text = "-2";
    form_.Cmd_Set_Click();
    EXPECT_EQ(dialog.writes[1].value, "-2");
}

TEST_F(VelmoraPTest, CancelWritesNothing) {
    Load(0);
    form_.SelectKind(2);
    dialog.calls.clear();
    form_.Cmd_Can_Click();
    EXPECT_TRUE(dialog.writes.empty());
    EXPECT_EQ(dialog.calls, (std::vector<std::string>{"unload", "zoom close"}));
}

TEST_F(VelmoraPTest, HomePageOpensUnderTheHourglassAndLeavesTheDialogOpen) {
    Load(0);
    dialog.calls.clear();
    form_.Cmd_Etc_Click();
    const std::vector<std::string> expected = {
        "pointer hourglass", std::string("shell open ") + kHomePageAddress + " '' '' 1",
        "pointer default"};
    EXPECT_EQ(dialog.calls, expected);
}

}  // namespace
}  // namespace velmora::settings_dialog
