#pragma once
// The names by which Velmora.scr, Velmora.dll, the setup and the tests find
// one another: files, windows, locks and shared memory, each looked up through
// the platform. The programs share no memory; besides the headers of
// contract/ (this one, the desktop's points and rectangles, the rule for the
// mouse) they share only the platform helpers of platform_edge/ and
// system_dlls/. The build reads
// the names from here once (cmake/contract.cmake) for the programs' file names,
// their resource scripts, the setup and the scripts.
//
// How a run goes between them:
//  1. Velmora.scr starts. Asked for a run or the settings dialog, it takes
//     kSaverBusyLock; it looks for a window captioned kRunWindowCaption or
//     kSettingsDialogCaption: a copy already busy means this one ends at once.
//  2. For a run it creates its hidden run window, captioned kRunWindowCaption,
//     and starts kRendererFileName from its own folder. The command line only
//     names that program again, quoted; the renderer reads no arguments. A
//     renderer that still holds kRendererRunningLock (one an earlier run gave
//     up on) is watched instead of starting a second.
//  3. Velmora.dll takes kRendererRunningLock at its entry and holds it until
//     its process ends; while its full-screen window exists the window is
//     titled kRendererWindowTitle.
//  4. Every 50 ms Velmora.scr looks for a top-level window of that title. The
//     renderer ends itself on the user's input; a look that finds no such
//     window ends the run, unless the renderer's process runs and its window
//     has not come yet (see 5): Velmora.scr stops its music, gives back the
//     cursor and ends.
//  5. Velmora.scr keeps the screen for the user: the part that watches for
//     input is never the part that draws. It sees input without hooks (the
//     platform's last-input time and the cursor, judged by the renderer's own
//     rule, contract/input_rule.h); when the renderer's window is still there
//     a second after input, answering or not, Velmora.scr ends its process
//     (the one it started, else the window's) and the run ends as in 4.
//     Without input nothing is ended. A renderer started whose window does
//     not come within the start limit is ended too.
//  6. The renderer Velmora.scr starts lives in a job that ends it when
//     Velmora.scr ends, however that comes about (where the platform lets it
//     into one: not inside a job that takes no job within it).
// Nothing else passes between them: no file, setting or exit code.
//
// The setup looks for the same names: it replaces both programs by their file
// names, and before that asks every window of theirs to go, found by class
// (and the renderer's by its title as well).

namespace velmora::contract {

// The screen saver program itself, as the setup installs it.
inline constexpr char kSaverFileName[] = "Velmora.scr";

// The renderer program, beside Velmora.scr.
inline constexpr char kRendererFileName[] = "Velmora.dll";

// Velmora.scr's settings file: beside the program, or in the user's own
// folder of this name in the roaming application data. The uninstaller
// removes both.
inline constexpr char kSettingsFileName[] = "Velmora.ini";
inline constexpr char kPerUserSettingsFolder[] = "Velmora";

// The setup's helper that asks Velmora's windows to close, as the setup runs it.
inline constexpr char kSetupHelperFileName[] = "CloseVelmora.exe";

// Title of the renderer's window: present exactly while the renderer runs.
inline constexpr char kRendererWindowTitle[] = "VelmoraVC";

// A mouse movement of at most this many pixels (city-block) between two looks
// is jitter, never input: to the renderer's rules and to Velmora.scr alike.
inline constexpr int kMouseJitterPixels = 4;

// Held by every renderer process for its whole life, its window up or not.
inline constexpr wchar_t kRendererRunningLock[] = L"Local\\VelmoraVC running";

// Shared memory in which the renderer counts the frames it has drawn (one
// 64-bit count), for the measuring scripts and the tests to read.
inline constexpr wchar_t kRendererFrameCount[] = L"Local\\VelmoraVC frames";

// Caption of Velmora.scr's hidden run window; while it exists a run is busy.
inline constexpr char kRunWindowCaption[] = "Velmora_Main";

// Caption of Velmora.scr's settings dialog; while it exists the dialog is up.
inline constexpr char kSettingsDialogCaption[] = "<Velmora>";

// Taken by every copy of Velmora.scr that may start a run or the settings
// dialog; held until that copy ends.
inline constexpr wchar_t kSaverBusyLock[] = L"Local\\Velmora.scr busy";

// Classes of Velmora.scr's windows: the preview inside the display settings,
// the settings dialog and a run's hidden window.
inline constexpr char kPreviewWindowClass[] = "Velmora_R";
inline constexpr char kSettingsDialogClass[] = "Velmora_P";
inline constexpr char kRunWindowClass[] = "Velmora_S";

// The class of the settings dialog's music group, a child of the dialog.
inline constexpr char kMusicGroupWindowClass[] = "Velmora_P.PictureBox";

// The class of the settings dialog's owner-drawn buttons.
inline constexpr char kPushButtonClass[] = "Velmora.Command";

// Caption of Velmora.scr's messages to the user (the missing renderer, a
// settings file that cannot be read or saved), and the product's name in the
// program's version information.
inline constexpr char kSaverMessageCaption[] = "Velmora (ScreenSaver)";

// The class of every screen saver's full-screen window, the renderer's
// included, and the title such a window has until its saver names it: how
// one saver finds another still starting.
inline constexpr char kScreenSaverWindowClass[] = "WindowsScreenSaverClass";
inline constexpr char kScreenSaverCreationTitle[] = "Screensaver";

// Caption of the message with which either program ends when a DLL it needs
// cannot be loaded from the Windows system folder.
inline constexpr wchar_t kMissingDllMessageCaption[] = L"Velmora";

}  // namespace velmora::contract
