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

#include "button_control/win32/command_window.h"

namespace {

using velmora::button_control::Command;
using velmora::button_control::CommandFromWindow;
using velmora::button_control::CreateCommand;
using velmora::button_control::PropertyBag;

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
int g_counts[4] = {};

int Pixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

void Log(const std::string& line) {
    if (FILE* log = std::fopen(g_log_path.c_str(), "a")) {
        std::fprintf(log, "%s\n", line.c_str());
        std::fclose(log);
    }
}

void LogClick(int index) {
    ++g_counts[index];
    Log(std::string(kButtons[index].name) + " " + std::to_string(g_counts[index]));
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND: {
            const int index = LOWORD(wparam) - kFirstId;
            if (HIWORD(wparam) == BN_CLICKED && lparam != 0 && index >= 0 && index < 4) {
                LogClick(index);
            }
            return 0;
        }
        case WM_ERASEBKGND:
        case WM_PRINTCLIENT: {
            RECT rect;
            GetClientRect(window, &rect);
            HBRUSH brush = CreateSolidBrush(kBackground);
            FillRect(reinterpret_cast<HDC>(wparam), &rect, brush);
            DeleteObject(brush);
            return 1;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wparam, lparam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
    g_log_path = command_line;
    if (g_log_path.size() >= 2 && g_log_path.front() == '"' && g_log_path.back() == '"') {
        g_log_path = g_log_path.substr(1, g_log_path.size() - 2);
    }

    WNDCLASSA host_class{};
    host_class.lpfnWndProc = HostProc;
    host_class.hInstance = instance;
    host_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    host_class.lpszClassName = "VelmoraButtonHost";
    RegisterClassA(&host_class);

    HDC screen = GetDC(nullptr);
    const int dpi_x = GetDeviceCaps(screen, LOGPIXELSX);
    const int dpi_y = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);

    const DWORD style = WS_CAPTION | WS_SYSMENU;
    RECT frame{0, 0, Pixels(7185, dpi_x), Pixels(3780, dpi_y)};
    AdjustWindowRect(&frame, style, FALSE);
    HWND host = CreateWindowExA(0, "VelmoraButtonHost", "Velmora button host", style, 40, 40,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                nullptr, instance, nullptr);

    for (int i = 0; i < 4; ++i) {
        const Placement& p = kButtons[i];
        PropertyBag layout;
        layout.WriteProperty("Caption", p.caption, "Command");
        HWND button = CreateCommand(host, kFirstId + i, Pixels(p.left, dpi_x), Pixels(p.top, dpi_y),
                                    Pixels(p.width, dpi_x), Pixels(p.height, dpi_y), &layout);
        Command* command = CommandFromWindow(button);
        command->Initialize();
        if (i == 3) {
            command->Enabled(false);
        }
    }

    ShowWindow(host, SW_SHOWNORMAL);
    UpdateWindow(host);
    POINT origin{0, 0};
    ClientToScreen(host, &origin);
    Log("ready " + std::to_string(origin.x) + " " + std::to_string(origin.y));
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(host, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return 0;
}
