// The dialog's window in its modal run: each test drives it from a timer
// that fires inside the run, the way the user's messages would.
#include <windows.h>

#include <dlgs.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "button_control/win32/push_button_window.h"
#include "contract/run_contract.h"
#include "settings_dialog/win32/settings_dialog_window.h"
#include "settings_dialog/win32/show_settings_dialog.h"
#include "tests/support/fake_settings_files.h"

namespace velmora::settings_dialog {
namespace {

const settings::SettingsPlaces kPlaces = settings::PlacesFor(u"C:\\Velmora", u"");

std::function<void()> g_step;

void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    g_step();
}

class SettingsDialogWindowTest : public ::testing::Test {
  protected:
    // Shows the dialog and runs `body` with its window from inside the modal
    // run; a dialog that `body` leaves open is closed afterwards.
    void Run(const std::function<void(HWND)>& body) {
        g_step = [&] {
            HWND form = FindWindowA(nullptr, contract::kSettingsDialogCaption);
            EXPECT_NE(form, nullptr);
            if (form == nullptr) {
                return;
            }
            body(form);
            if (IsWindow(form)) {
                PostMessageA(form, WM_CLOSE, 0, 0);
            }
        };
        SetTimer(nullptr, 0, 10, Tick);
        ShowSettingsDialog(GetModuleHandleA(nullptr), store.Ports(), kPlaces, choice,
                           text::Cp932View("Velmora"));
        EXPECT_EQ(FindWindowA(nullptr, contract::kSettingsDialogCaption), nullptr);
    }

    static HWND Control(HWND form, ControlId id) {
        HWND group = FindWindowExA(form, nullptr, contract::kMusicGroupWindowClass, nullptr);
        HWND window = GetDlgItem(form, ControlWindowId(id));
        return window != nullptr ? window : GetDlgItem(group, ControlWindowId(id));
    }
    static void Click(HWND form, ControlId id) {
        HWND button = Control(form, id);
        SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(ControlWindowId(id), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }
    static void MouseDown(HWND form, UINT message, int x, int y) {
        HWND group = FindWindowExA(form, nullptr, contract::kMusicGroupWindowClass, nullptr);
        SendMessageA(group, message, 0, MAKELPARAM(x, y));
    }
    static std::string Text(HWND window) {
        char text[64] = {};
        GetWindowTextA(window, text, sizeof text);
        return text;
    }

    testing::FakeSettingsFiles store;
    settings::MusicChoice choice;
};

TEST_F(SettingsDialogWindowTest, LoadsShowsAndSavesWhatTheUserChose) {
    choice = {1, 7, text::Cp932View("C:\\Music\\theme.mp3")};
    Run([&](HWND form) {
        EXPECT_TRUE(IsWindowVisible(form));
        RECT client;
        GetClientRect(form, &client);
        HDC screen = GetDC(nullptr);
        const Scale scale = drawing::ScaleForDpi(GetDeviceCaps(screen, LOGPIXELSX),
                                                 GetDeviceCaps(screen, LOGPIXELSY));
        ReleaseDC(nullptr, screen);
        const PixelRect expected = ToPixels({0, 0, kClientWidth, kClientHeight}, scale);
        EXPECT_EQ(client.right, expected.width);
        EXPECT_EQ(client.bottom, expected.height);
        EXPECT_EQ(GetWindowLongA(form, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);

        HWND combo = Control(form, ControlId::TrackBox);
        EXPECT_EQ(Text(combo), "7");
        EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 31);
        EXPECT_TRUE(IsWindowEnabled(combo));
        EXPECT_FALSE(IsWindowEnabled(Control(form, ControlId::ChooseFileButton)));
        EXPECT_EQ(GetFocus(), GetWindow(combo, GW_CHILD));  // the combo box's edit field

        MouseDown(form, WM_RBUTTONDOWN, 40, 100);  // "MP3、WAV", any button
        EXPECT_TRUE(IsWindowEnabled(Control(form, ControlId::ChooseFileButton)));
        EXPECT_FALSE(IsWindowEnabled(combo));

        MouseDown(form, WM_LBUTTONDOWN, 25, 60);  // the "音楽CD" box
        EXPECT_TRUE(IsWindowEnabled(combo));
        SetWindowTextA(combo, "3.5");
        Click(form, ControlId::SaveButton);
        EXPECT_FALSE(IsWindow(form));
    });
    EXPECT_EQ(store.Bytes(kPlaces.file_beside_program),
              "[Section]\r\nBGM\x8B\xE6\x95\xAA=1\r\nBGM\xD8\xCB\xDF\xB0\xC4=4\r\n"
              "BGM\xCC\xA7\xB2\xD9=C:\\Music\\theme.mp3\r\n");
    EXPECT_EQ(choice.repeat_track, 7);  // the dialog edits a copy of its own
}

TEST_F(SettingsDialogWindowTest, TabFollowsTheTabIndicesPastDisabledControls) {
    choice = {2, 0, {}};
    Run([&](HWND form) {
        const ControlId order[] = {ControlId::ChooseFileButton, ControlId::SaveButton,
                                   ControlId::CancelButton, ControlId::OtherWorksButton,
                                   ControlId::ChooseFileButton};
        EXPECT_EQ(GetFocus(), Control(form, order[0]));
        for (int i = 1; i < 5; ++i) {
            EXPECT_EQ(GetNextDlgTabItem(form, Control(form, order[i - 1]), FALSE),
                      Control(form, order[i]))
                << i;
        }
        // Deactivated and activated again, the focus goes back where it was.
        SetFocus(Control(form, ControlId::CancelButton));
        SendMessageA(form, WM_ACTIVATE, WA_INACTIVE, 0);
        SetFocus(form);
        SendMessageA(form, WM_ACTIVATE, WA_ACTIVE, 0);
        EXPECT_EQ(GetFocus(), Control(form, ControlId::CancelButton));
    });
}

TEST_F(SettingsDialogWindowTest, CancelEscapeAndCloseBoxWriteNothing) {
    for (const auto& close : std::vector<std::function<void(HWND)>>{
             [](HWND form) { Click(form, ControlId::CancelButton); },
             [](HWND form) { SendMessageA(form, WM_COMMAND, IDCANCEL, 0); },
             [](HWND form) { SendMessageA(form, WM_SYSCOMMAND, SC_CLOSE, 0); }}) {
        choice = {0, 0, {}};
        store = testing::FakeSettingsFiles{};
        Run([&](HWND form) {
            MouseDown(form, WM_LBUTTONDOWN, 38, 100);
            close(form);
            EXPECT_FALSE(IsWindow(form));
        });
        EXPECT_TRUE(store.files.empty());
        EXPECT_EQ(choice.kind, 0);  // changed in the dialog's copy only
    }
}

TEST_F(SettingsDialogWindowTest, PaintingSurvivesInTheBackImages) {
    choice = {2, 0, text::Cp932View("C:\\a.wav")};
    Run([&](HWND form) {
        HWND group = FindWindowExA(form, nullptr, contract::kMusicGroupWindowClass, nullptr);
        const auto printed = [](HWND window, int x, int y) {
            HDC screen = GetDC(nullptr);
            HDC dc = CreateCompatibleDC(screen);
            HBITMAP bitmap = CreateCompatibleBitmap(screen, 500, 300);
            ReleaseDC(nullptr, screen);
            HGDIOBJ previous = SelectObject(dc, bitmap);
            SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
            const COLORREF colour = GetPixel(dc, x, y);
            SelectObject(dc, previous);
            DeleteObject(bitmap);
            DeleteDC(dc);
            return colour;
        };
        RECT client;
        GetClientRect(form, &client);
        EXPECT_EQ(printed(form, 2, 0), Rgb(0, 0, 30));
        EXPECT_EQ(printed(form, 2, client.bottom / 2), Rgb(220, 220, 250));
        GetClientRect(group, &client);
        EXPECT_EQ(printed(group, client.right - 5, 0), Rgb(30, 30, 30));
        EXPECT_EQ(printed(group, client.right - 5, client.bottom / 2), Rgb(250, 250, 250));
        EXPECT_EQ(printed(group, 25, 101), Rgb(31, 153, 230));  // Img_BGM(2) filled
    });
}

// Moved to a monitor of 144 dpi, the dialog lays itself out for it: the
// window at the suggested place with its client area, every windowed control,
// the painting and the mouse at that DPI; back at 96 dpi, all as before.
TEST_F(SettingsDialogWindowTest, ADpiChangeLaysTheDialogOutForTheNewDpi) {
    choice = {2, 0, text::Cp932View("C:\\a.wav")};
    Run([&](HWND form) {
        HWND group = FindWindowExA(form, nullptr, contract::kMusicGroupWindowClass, nullptr);
        const auto place_in_parent = [](HWND window) {
            RECT rect{};
            GetWindowRect(window, &rect);
            MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
            return PixelRect{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
        };
        const auto expect_laid_out_at = [&](int dpi) {
            SCOPED_TRACE(::testing::Message() << dpi << " dpi");
            const Scale scale = drawing::ScaleForDpi(dpi, dpi);
            RECT client{};
            GetClientRect(form, &client);
            const PixelRect expected = ToPixels({0, 0, kClientWidth, kClientHeight}, scale);
            EXPECT_EQ(client.right, expected.width);
            EXPECT_EQ(client.bottom, expected.height);
            for (const ControlId id :
                 {ControlId::MusicGroup, ControlId::SaveButton, ControlId::ChooseFileButton}) {
                HWND window = id == ControlId::MusicGroup ? group : Control(form, id);
                EXPECT_EQ(place_in_parent(window), ToPixels(Place(id).rect, scale))
                    << static_cast<int>(id);
            }
            const PixelRect track_box = place_in_parent(Control(form, ControlId::TrackBox));
            EXPECT_EQ(track_box.x, ToPixels(Place(ControlId::TrackBox).rect, scale).x);
            // The back image covers the new client area: navy at the top, pale at mid-height.
            HDC dc = GetDC(form);
            SendMessageA(form, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
            EXPECT_EQ(GetPixel(dc, client.right - 2, client.bottom / 2), Rgb(220, 220, 250));
            ReleaseDC(form, dc);
            // The "音楽CD" text, pressed where it stands at this DPI, chooses it.
            const PixelRect cd = ToPixels(Place(ControlId::CdLabel).rect, scale);
            MouseDown(form, WM_LBUTTONDOWN, cd.x + 2, cd.y + 2);
            EXPECT_TRUE(IsWindowEnabled(Control(form, ControlId::TrackBox)));
            MouseDown(form, WM_LBUTTONDOWN, ToPixels(Place(ControlId::FileBox).rect, scale).x + 2,
                      ToPixels(Place(ControlId::FileBox).rect, scale).y + 2);
            EXPECT_TRUE(IsWindowEnabled(Control(form, ControlId::ChooseFileButton)));
        };
        RECT before{};
        GetWindowRect(form, &before);
        RECT suggested{40, 30, 40 + 900, 30 + 700};
        SendMessageA(form, WM_DPICHANGED, MAKEWPARAM(144, 144),
                     reinterpret_cast<LPARAM>(&suggested));
        RECT moved{};
        GetWindowRect(form, &moved);
        EXPECT_EQ(moved.left, 40);
        EXPECT_EQ(moved.top, 30);
        expect_laid_out_at(144);

        suggested = before;
        SendMessageA(form, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
        RECT back{};
        GetWindowRect(form, &back);
        EXPECT_TRUE(EqualRect(&back, &before));
        expect_laid_out_at(96);
    });
}

// The open-file dialog "..." opens, driven from a timer inside its own run:
// the file-type box's text, then a path typed and OK.
std::wstring g_file_type;
std::wstring g_typed_path;

void CALLBACK FileDialogTick(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindWindowW(L"#32770", L"\uFF8C\uFF67\uFF72\uFF99\u3092\u958B\u304F");
    if (dialog == nullptr) {
        return;  // not up yet: the timer fires again
    }
    KillTimer(nullptr, id);
    wchar_t type[64] = {};
    GetDlgItemTextW(dialog, cmb1, type, 64);
    g_file_type = type;
    SetDlgItemTextW(dialog, edt1, g_typed_path.c_str());
    SetDlgItemTextW(dialog, cmb13, g_typed_path.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

TEST_F(SettingsDialogWindowTest, TheFileChooserOffersMusicFilesAndItsPathComesBackWhole) {
    choice = {2, 0, text::Cp932View("C:\\old.wav")};
    g_typed_path = L"C:\\windows\\\u97F3\u697D\\theme.mp3";
    Run([&](HWND form) {
        SetTimer(nullptr, 0, 100, FileDialogTick);
        Click(form, ControlId::ChooseFileButton);  // returns when the chooser has closed
        MouseDown(form, WM_LBUTTONDOWN, 25, 60);   // the CD: the path is written all the same
        Click(form, ControlId::SaveButton);
    });
    EXPECT_EQ(g_file_type, L"BGM\uFF8C\uFF67\uFF72\uFF99 (MP3 WAV)");
    EXPECT_EQ(store.Bytes(kPlaces.file_beside_program),  // the path in code page 932
              "[Section]\r\nBGM\x8B\xE6\x95\xAA=1\r\nBGM\xD8\xCB\xDF\xB0\xC4=0\r\n"
              "BGM\xCC\xA7\xB2\xD9=C:\\windows\\\x89\xB9\x8Ay\\theme.mp3\r\n");
}

// What a screen reader finds under the dialog: its child windows, and in the
// music group the controls that have none, with their names and states. The
// group's object, held past the dialog's end, answers that it is gone.
TEST_F(SettingsDialogWindowTest, ScreenReadersFindTheChoicesWithNamesAndStates) {
    choice = {2, 0, text::Cp932String("C:\\a.wav")};
    IAccessible* held = nullptr;
    Run([&](HWND form) {
        const auto children = [](IAccessible* parent) {
            long count = 0;
            parent->get_accChildCount(&count);
            std::vector<VARIANT> kids(static_cast<std::size_t>(count));
            long got = 0;
            AccessibleChildren(parent, 0, count, kids.data(), &got);
            kids.resize(static_cast<std::size_t>(got));
            return kids;
        };
        IAccessible* dialog = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(form, OBJID_CLIENT, __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&dialog)),
                  S_OK);
        IAccessible* group = nullptr;
        for (VARIANT& kid : children(dialog)) {
            HWND window = nullptr;
            if (kid.vt == VT_DISPATCH) {
                IAccessible* object = nullptr;
                kid.pdispVal->QueryInterface(__uuidof(IAccessible),
                                             reinterpret_cast<void**>(&object));
                WindowFromAccessibleObject(object, &window);
                object->Release();
                kid.pdispVal->Release();
            }
            if (window == FindWindowExA(form, nullptr, contract::kMusicGroupWindowClass, nullptr)) {
                AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                           reinterpret_cast<void**>(&group));
            }
        }
        dialog->Release();
        ASSERT_NE(group, nullptr);
        std::vector<std::wstring> names;
        std::vector<long> states;
        for (const VARIANT& kid : children(group)) {
            BSTR name = nullptr;
            VARIANT state;
            group->get_accName(kid, &name);
            group->get_accState(kid, &state);
            names.emplace_back(name != nullptr ? name : L"");
            states.push_back(state.lVal);
            SysFreeString(name);
        }
        held = group;
        EXPECT_EQ(names, (std::vector<std::wstring>{
                             L"\u97F3\u697DCD", L"\u66F2\u76EE\u3092\uFF98\uFF8B\uFF9F\uFF70\uFF84",
                             L"\u7121\u3057", L"MP3\u3001WAV", L"...", L"C:\\a.wav"}));
        ASSERT_EQ(states.size(), 6u);
        EXPECT_EQ(states[3] & STATE_SYSTEM_CHECKED, STATE_SYSTEM_CHECKED);  // MP3、WAV
        EXPECT_EQ(states[0] & STATE_SYSTEM_CHECKED, 0);
        EXPECT_EQ(states[1] & STATE_SYSTEM_UNAVAILABLE, STATE_SYSTEM_UNAVAILABLE);  // track box
        EXPECT_EQ(states[4] & STATE_SYSTEM_UNAVAILABLE, 0);                         // "..."
        // The track box's own object has the name drawn beside it.
        IAccessible* track = nullptr;
        ASSERT_EQ(
            AccessibleObjectFromWindow(Control(form, ControlId::TrackBox), OBJID_CLIENT,
                                       __uuidof(IAccessible), reinterpret_cast<void**>(&track)),
            S_OK);
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR track_name = nullptr;
        EXPECT_EQ(track->get_accName(self, &track_name), S_OK);
        EXPECT_EQ(std::wstring(track_name != nullptr ? track_name : L""), names[1]);
        SysFreeString(track_name);
        track->Release();
        // The buttons are named by their window text.
        wchar_t text[16] = {};
        GetWindowTextW(Control(form, ControlId::CancelButton), text, 16);
        EXPECT_STREQ(text, L"\uFF77\uFF6C\uFF9D\uFF7E\uFF99");
    });
    ASSERT_NE(held, nullptr);
    long count = 0;
    EXPECT_EQ(held->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    EXPECT_EQ(held->get_accName(self, &name), CO_E_OBJNOTCONNECTED);
    VARIANT at{};
    EXPECT_EQ(held->accHitTest(0, 0, &at), CO_E_OBJNOTCONNECTED);
    held->Release();
}

// A screen reader's in-context hook that asks for the music group's object
// the moment the track box is made, while the dialog is still being built.
struct EarlyAnswer {
    HRESULT object = E_PENDING;
    HRESULT children = E_PENDING;
    long role = 0;
};
EarlyAnswer g_early;

void CALLBACK AskOnTrackBoxCreation(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD,
                                    DWORD) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (object != OBJID_WINDOW || lstrcmpiA(name, "ComboBox") != 0 || g_early.object != E_PENDING) {
        return;
    }
    IAccessible* group = nullptr;
    g_early.object = AccessibleObjectFromWindow(
        GetParent(window), OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&group));
    if (group != nullptr) {
        long count = 0;
        g_early.children = group->get_accChildCount(&count);
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        VARIANT role{};
        group->get_accRole(self, &role);
        g_early.role = role.lVal;
        group->Release();
    }
}

TEST_F(SettingsDialogWindowTest, AScreenReaderAskingWhileTheDialogIsBuiltGetsThePlatformsObject) {
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, GetModuleHandleA(nullptr),
                        AskOnTrackBoxCreation, GetCurrentProcessId(), 0, WINEVENT_INCONTEXT);
    ASSERT_NE(hook, nullptr);
    long role_when_complete = 0;
    Run([&](HWND form) {
        IAccessible* group = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(
                      FindWindowExA(form, nullptr, contract::kMusicGroupWindowClass, nullptr),
                      OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&group)),
                  S_OK);
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        VARIANT role{};
        group->get_accRole(self, &role);
        role_when_complete = role.lVal;
        group->Release();
    });
    UnhookWinEvent(hook);
    EXPECT_EQ(g_early.object, S_OK);
    EXPECT_EQ(g_early.children, S_OK);
    EXPECT_EQ(g_early.role, ROLE_SYSTEM_CLIENT);
    EXPECT_EQ(role_when_complete, ROLE_SYSTEM_GROUPING);
}

}  // namespace
}  // namespace velmora::settings_dialog
