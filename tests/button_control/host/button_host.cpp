// A test host for the button control (not shipped): a window the size of the
// settings dialog with its four buttons at the dialog's places, "..."
// disabled as the dialog loads it. Once shown it writes "ready X Y" (the
// screen position of its client area) to the log file named by the first
// argument, then every Click as "<button> <count>".
//
//   velmora_button_host.exe LOG-FILE

#include <windows.h>

#include <cstdio>
#include <string>

#include "button_control/win32/push_button_window.h"
#include "tests/support/win32_windows.h"

namespace {

using velmora::button_control::CreatePushButton;
using velmora::button_control::PropertyBag;
using velmora::button_control::PushButtonFromWindow;
using velmora::button_control::PushButtonWindow;

struct Placement {
    const char* name;
    const char* caption;           // code page 932
    int left, top, width, height;  // twips, in the host's client area
};

constexpr Placement kButtons[] = {
    {"Cmd_Etc", "\x82\xBB\x82\xCC\x91\xBC\x82\xCC\x8D\xEC\x95\x69", 2880, 3000, 1875,
     375},                                                       // その他の作品
    {"Cmd_Set", "\x90\xDD\x92\xE8", 4800, 3000, 1095, 375},      // 設定
    {"Cmd_Can", "\xB7\xAC\xDD\xBE\xD9", 5940, 3000, 1035, 375},  // ｷｬﾝｾﾙ
    {"Cmd_BGM", "...", 720, 1980, 435, 315},
};
constexpr int kFirstId = 100;
constexpr COLORREF kBackground = RGB(40, 40, 90);

std::string g_log_path;

int Pixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

void Log(const std::string& line) {
    if (FILE* log = std::fopen(g_log_path.c_str(), "a")) {
        std::fprintf(log, "%s\n", line.c_str());
        std::fclose(log);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR command_line, int) {
    g_log_path = command_line;
    if (g_log_path.size() >= 2 && g_log_path.front() == '"' && g_log_path.back() == '"') {
        g_log_path = g_log_path.substr(1, g_log_path.size() - 2);
    }

    HDC screen = GetDC(nullptr);
    const int dpi_x = GetDeviceCaps(screen, LOGPIXELSX);
    const int dpi_y = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);

    const DWORD style = WS_CAPTION | WS_SYSMENU;
    RECT frame{0, 0, Pixels(7185, dpi_x), Pixels(3780, dpi_y)};
    AdjustWindowRect(&frame, style, FALSE);
    OffsetRect(&frame, 40 - frame.left, 40 - frame.top);
    velmora::testing::HostWindow host(nullptr, frame, kBackground, style, "Velmora button host");
    host.quit_when_destroyed = true;
    int counts[4] = {};
    host.on_command = [&counts](WPARAM wparam, LPARAM lparam) {
        const int index = LOWORD(wparam) - kFirstId;
        if (HIWORD(wparam) == BN_CLICKED && lparam != 0 && index >= 0 && index < 4) {
            Log(std::string(kButtons[index].name) + " " + std::to_string(++counts[index]));
        }
    };

    for (int i = 0; i < 4; ++i) {
        const Placement& p = kButtons[i];
        PropertyBag layout;
        layout.WriteProperty("Caption", p.caption, "Command");
        HWND button = CreatePushButton(host.Handle(), kFirstId + i, Pixels(p.left, dpi_x),
                                       Pixels(p.top, dpi_y), Pixels(p.width, dpi_x),
                                       Pixels(p.height, dpi_y), &layout);
        PushButtonWindow* shell = PushButtonFromWindow(button);
        shell->Initialize();
        if (i == 3) {
            shell->SetEnabled(false);
        }
    }

    ShowWindow(host.Handle(), SW_SHOWNORMAL);
    UpdateWindow(host.Handle());
    POINT origin{0, 0};
    ClientToScreen(host.Handle(), &origin);
    Log("ready " + std::to_string(origin.x) + " " + std::to_string(origin.y));
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(host.Handle(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return 0;
}
