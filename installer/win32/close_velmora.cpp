// The setup's helper, run before it replaces the programs: asks every running
// window of Velmora (a preview inside the display settings, a run, the
// settings dialog) to go, and waits until they are gone. Exit code 0 when
// none is left, 1 when one stayed past the wait.
#include <windows.h>

#include <set>

#include "installer/core/velmora_windows.h"
#include "platform_edge/win32/guarded_entry.h"

namespace {

constexpr DWORD kWaitMs = 10000;
constexpr DWORD kPollMs = 100;

struct Search {
    std::set<HWND>* asked = nullptr;
    int found = 0;
};

BOOL AskToCloseUnguarded(HWND window, LPARAM search_value) {
    auto& search = *reinterpret_cast<Search*>(search_value);
    char class_name[64] = {};
    char title[64] = {};
    GetClassNameA(window, class_name, sizeof class_name);
    GetWindowTextA(window, title, sizeof title);
    const auto request = velmora::installer::CloseRequestFor(class_name, title);
    if (request == velmora::installer::CloseRequest::None) {
        return TRUE;
    }
    ++search.found;
    if (search.asked->insert(window).second) {
        if (request == velmora::installer::CloseRequest::Close) {
            PostMessageA(window, WM_CLOSE, 0, 0);
        } else {
            PostMessageA(window, WM_ACTIVATEAPP, FALSE, 0);
        }
    }
    return TRUE;
}

// A window whose look fails is passed over, not the search: a window of ours
// is counted before anything that could fail, so the wait goes on for it.
BOOL CALLBACK AskToClose(HWND window, LPARAM search_value) {
    return velmora::platform_edge::AnswerWithin(
        TRUE, [&] { return AskToCloseUnguarded(window, search_value); });
}

// The preview is a child of another program's window, so children are
// searched too.
BOOL CALLBACK SearchTopLevel(HWND window, LPARAM search_value) {
    return velmora::platform_edge::AnswerWithin(TRUE, [&] {
        AskToClose(window, search_value);
        EnumChildWindows(window, AskToClose, search_value);
        return TRUE;
    });
}

int CloseAndWait() {
    std::set<HWND> asked;
    const DWORD start = GetTickCount();
    for (;;) {
        Search search{&asked};
        EnumWindows(SearchTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.found == 0) {
            return 0;
        }
        if (GetTickCount() - start > kWaitMs) {
            return 1;
        }
        Sleep(kPollMs);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return velmora::platform_edge::AnswerWithin(1, CloseAndWait);
}
