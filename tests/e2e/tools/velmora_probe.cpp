// Test-side window probe: finds, watches and pokes top-level windows of
// other processes inside the same Wine session, and makes the windows the
// programs expect to meet (a host for the preview, a rival saver window);
// reads the renderer's frame count and a process's resources, changes the
// display mode and tells the renderer the displays' state. One command per run; results go to
// standard output as key=value fields separated by tabs.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "contract/run_contract.h"

namespace {

// GetWindowText does not read another program's controls; WM_GETTEXT does.
// Read wide and printed in code page 932 whatever the system's code page, so
// the tests see the very characters the window shows; line breaks become
// blanks, so one window stays one line.
void ReadText(HWND window, char (&text)[512]) {
    wchar_t wide[256] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(wide), SMTO_ABORTIFHUNG,
                        1000, &copied);
    for (wchar_t& c : wide) {
        if (c == L'\r' || c == L'\n') {
            c = L' ';
        }
    }
    WideCharToMultiByte(932, 0, wide, -1, text, sizeof text - 1, nullptr, nullptr);
}

// The DPI awareness calls of Windows 10, null where user32 lacks them.
template <typename Function>
Function User32Call(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

// A window's DPI awareness: 0 unaware, 1 system, 2 per monitor; -1 when not told.
int AwarenessOf(HWND window) {
    using WindowAwareness = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND);
    using AwarenessOfContext = int(WINAPI*)(DPI_AWARENESS_CONTEXT);
    const auto of_window = User32Call<WindowAwareness>("GetWindowDpiAwarenessContext");
    const auto of_context = User32Call<AwarenessOfContext>("GetAwarenessFromDpiAwarenessContext");
    const DPI_AWARENESS_CONTEXT context = of_window != nullptr ? of_window(window) : nullptr;
    return context != nullptr && of_context != nullptr ? of_context(context) : -1;
}

// The windows this thread makes from here on take the awareness named
// unaware, system or permonitor; false for another name or without the call.
bool MakeWindowsAs(const std::string& awareness) {
    using SetThreadAwareness = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
    const auto set = User32Call<SetThreadAwareness>("SetThreadDpiAwarenessContext");
    DPI_AWARENESS_CONTEXT context = nullptr;
    if (awareness == "unaware") {
        context = DPI_AWARENESS_CONTEXT_UNAWARE;
    } else if (awareness == "system") {
        context = DPI_AWARENESS_CONTEXT_SYSTEM_AWARE;
    } else if (awareness == "permonitor") {
        context = DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE;
    }
    return context != nullptr && set != nullptr && set(context) != nullptr;
}

void PrintWindowLine(HWND window) {
    char cls[256] = {};
    char title[512] = {};
    GetClassNameA(window, cls, sizeof cls);
    ReadText(window, title);
    RECT rect{};
    GetWindowRect(window, &rect);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    const LONG ex_style = GetWindowLongA(window, GWL_EXSTYLE);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    std::printf(
        "hwnd=%llu\tclass=%s\tx=%ld\ty=%ld\tw=%ld\th=%ld\tvisible=%d\ttopmost=%d\tstyle=%lu\t"
        "exstyle=%lu\tpid=%lu\tawareness=%d\ttitle=%s\n",
        static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)), cls, rect.left,
        rect.top, rect.right - rect.left, rect.bottom - rect.top, IsWindowVisible(window) ? 1 : 0,
        (ex_style & WS_EX_TOPMOST) ? 1 : 0, static_cast<unsigned long>(style),
        static_cast<unsigned long>(ex_style), static_cast<unsigned long>(pid), AwarenessOf(window),
        title);
}

HWND ParseHandle(const char* text) {
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(text, nullptr, 10)));
}

int FindTopLevel(const char* title) {
    HWND window = FindWindowA(nullptr, title);
    if (!window) {
        return 1;
    }
    PrintWindowLine(window);
    return 0;
}

// Polls every 5 ms; prints the elapsed milliseconds when the window of that
// title appears (wait) or is gone (wait-gone). Exit code 1 on timeout.
int WaitFor(const char* title, DWORD timeout_ms, bool want_present) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND window = FindWindowA(nullptr, title);
        if ((window != nullptr) == want_present) {
            std::printf("elapsed_ms=%lu\n", static_cast<unsigned long>(GetTickCount() - start));
            if (window) {
                PrintWindowLine(window);
            }
            return 0;
        }
        if (GetTickCount() - start > timeout_ms) {
            return 1;
        }
        Sleep(5);
    }
}

int PostToWindow(int argc, char** argv) {
    HWND window = FindWindowA(nullptr, argv[2]);
    if (!window) {
        return 1;
    }
    const UINT message = static_cast<UINT>(std::strtoul(argv[3], nullptr, 0));
    const WPARAM wparam = argc > 4 ? std::strtoull(argv[4], nullptr, 0) : 0;
    const LPARAM lparam = argc > 5 ? std::strtoll(argv[5], nullptr, 0) : 0;
    return PostMessageA(window, message, wparam, lparam) ? 0 : 1;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM parent_value) {
    HWND parent = reinterpret_cast<HWND>(parent_value);
    if (GetParent(child) != parent) {
        return TRUE;  // only direct children
    }
    char cls[256] = {};
    GetClassNameA(child, cls, sizeof cls);
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    DWORD pid = 0;
    GetWindowThreadProcessId(child, &pid);
    char title[512] = {};
    ReadText(child, title);
    std::printf(
        "hwnd=%llu\tclass=%s\tx=%ld\ty=%ld\tw=%ld\th=%ld\tvisible=%d\tpid=%lu\tawareness=%d\t"
        "title=%s\n",
        static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(child)), cls, rect.left,
        rect.top, rect.right - rect.left, rect.bottom - rect.top, IsWindowVisible(child) ? 1 : 0,
        static_cast<unsigned long>(pid), AwarenessOf(child), title);
    return TRUE;
}

int Children(const char* handle_text) {
    HWND parent = ParseHandle(handle_text);
    if (!IsWindow(parent)) {
        return 1;
    }
    EnumChildWindows(parent, PrintChild, reinterpret_cast<LPARAM>(parent));
    return 0;
}

int Foreground() {
    HWND window = GetForegroundWindow();
    if (!window) {
        return 1;
    }
    PrintWindowLine(window);
    return 0;
}

// --- long-running windows -------------------------------------------------

HWND g_window = nullptr;
bool g_announced = false;  // the handle line has been printed

// Standard input closing, or a line "destroy", closes the window.
DWORD WINAPI WatchStdin(void*) {
    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
        if (std::strncmp(line, "destroy", 7) == 0) {
            break;
        }
    }
    PostMessageA(g_window, WM_CLOSE, 0, 0);
    return 0;
}

LRESULT CALLBACK ProbeWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_ACTIVATE:
            if (g_announced && LOWORD(wparam) != WA_INACTIVE) {
                std::printf("activated\n");
                std::fflush(stdout);
            }
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

int RunWindow(const char* class_name, const char* title, DWORD style, int x, int y, int w, int h) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ProbeWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = class_name;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassA(&wc);
    g_window = CreateWindowExA(0, class_name, title, style | WS_VISIBLE, x, y, w, h, nullptr,
                               nullptr, wc.hInstance, nullptr);
    if (!g_window) {
        return 1;
    }
    std::printf("%llu\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(g_window)));
    std::fflush(stdout);
    g_announced = true;
    CreateThread(nullptr, 0, WatchStdin, nullptr, 0, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    std::printf("destroyed\n");
    std::fflush(stdout);
    return 0;
}

// A decimal argument; 0 when it is not one.
int DecimalArgument(const char* text) {
    return static_cast<int>(std::strtol(text, nullptr, 10));
}

// Starts `count` copies of a command line at the same moment (made suspended,
// then let go one right after the other) and waits for the first to end.
int StartTogether(int count, const char* command_line) {
    std::vector<PROCESS_INFORMATION> started;
    for (int i = 0; i < count; ++i) {
        // No standard handles: the copies must not hold the caller's output pipe open.
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        PROCESS_INFORMATION info{};
        std::string line = command_line;
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE,
                            CREATE_SUSPENDED | DETACHED_PROCESS, nullptr, nullptr, &startup,
                            &info)) {
            return 1;
        }
        started.push_back(info);
    }
    std::vector<HANDLE> processes;
    processes.reserve(started.size());
    for (const PROCESS_INFORMATION& info : started) {
        processes.push_back(info.hProcess);
    }
    for (const PROCESS_INFORMATION& info : started) {
        ResumeThread(info.hThread);
    }
    const DWORD first = WaitForMultipleObjects(static_cast<DWORD>(processes.size()),
                                               processes.data(), FALSE, 20000);
    if (first >= WAIT_OBJECT_0 + processes.size()) {
        std::printf("ended=none\n");
        return 0;
    }
    DWORD code = 0;
    GetExitCodeProcess(processes[first - WAIT_OBJECT_0], &code);
    std::printf("ended=%lu\tcode=%lu\n", first - WAIT_OBJECT_0, code);
    return 0;
}

// Runs a command line inside a job of its own, as a program started by a
// service or a build tool may be, and waits for it to end; prints its exit
// code.
int RunInJob(const char* command_line) {
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string line = command_line;
    if (job == nullptr || !CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE,
                                          CREATE_SUSPENDED, nullptr, nullptr, &startup, &info)) {
        return 1;
    }
    if (!AssignProcessToJobObject(job, info.hProcess)) {
        TerminateProcess(info.hProcess, 1);
        return 1;
    }
    std::printf("started\n");
    std::fflush(stdout);
    ResumeThread(info.hThread);
    WaitForSingleObject(info.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    std::printf("code=%lu\n", code);
    return 0;
}

// The frames the running renderer has drawn so far.
int Frames() {
    HANDLE mapping = OpenFileMappingW(FILE_MAP_READ, FALSE, velmora::contract::kRendererFrameCount);
    if (mapping == nullptr) {
        return 1;
    }
    const auto* count =
        static_cast<const volatile LONG64*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0));
    if (count == nullptr) {
        CloseHandle(mapping);
        return 1;
    }
    std::printf("frames=%lld\n", static_cast<long long>(*count));
    UnmapViewOfFile(const_cast<LONG64*>(count));
    CloseHandle(mapping);
    return 0;
}

// Tells the window what the platform's power manager tells it when the
// session's displays change state (0 off, 1 on, 2 dimmed): the setting is
// written into the window's own process, where the message's pointer points.
int DisplayState(const char* title, DWORD state) {
    HWND window = FindWindowA(nullptr, title);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid);
    if (window == nullptr || process == nullptr) {
        return 1;
    }
    POWERBROADCAST_SETTING setting{};
    setting.PowerSetting = GUID_SESSION_DISPLAY_STATUS;
    setting.DataLength = sizeof(DWORD);
    std::memcpy(setting.Data, &state, sizeof state);
    void* remote = VirtualAllocEx(process, nullptr, sizeof setting + sizeof(DWORD),
                                  MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    DWORD_PTR answer = 0;
    const bool sent =
        remote != nullptr &&
        WriteProcessMemory(process, remote, &setting, sizeof setting, nullptr) &&
        SendMessageTimeoutA(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE,
                            reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 5000, &answer);
    if (remote != nullptr) {
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return sent ? 0 : 1;
}

// Changes the display mode of the primary display (in Wine's virtual
// desktop: the desktop's size).
int SetMode(int width, int height) {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    const LONG result = ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr);
    std::printf("result=%ld\tw=%d\th=%d\n", result, GetSystemMetrics(SM_CXSCREEN),
                GetSystemMetrics(SM_CYSCREEN));
    return result == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}

BOOL CALLBACK CountWindowOfProcess(HWND window, LPARAM counting) {
    auto* count = reinterpret_cast<std::pair<DWORD, int>*>(counting);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == count->first) {
        ++count->second;
    }
    return TRUE;
}

// The handles a process holds, from the system's list of every handle (Wine
// answers a process's own handle count with 0, but keeps this list).
long HandlesOf(DWORD pid) {
    struct HandleEntry {
        ULONG owner_pid;
        BYTE object_type;
        BYTE flags;
        USHORT value;
        PVOID object;
        ACCESS_MASK access;
    };
    struct HandleList {
        ULONG count;
        HandleEntry entries[1];
    };
    using QuerySystem = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<QuerySystem>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    constexpr ULONG kSystemHandleInformation = 16;
    constexpr LONG kBufferTooSmall = static_cast<LONG>(0xC0000004);
    std::vector<unsigned char> buffer(1 << 20);
    ULONG needed = 0;
    LONG status = kBufferTooSmall;
    while ((status = query(kSystemHandleInformation, buffer.data(),
                           static_cast<ULONG>(buffer.size()), &needed)) == kBufferTooSmall) {
        buffer.resize(buffer.size() * 2);
    }
    if (status != 0) {
        return -1;
    }
    const auto* list = reinterpret_cast<const HandleList*>(buffer.data());
    long count = 0;
    for (ULONG i = 0; i < list->count; ++i) {
        count += list->entries[i].owner_pid == pid ? 1 : 0;
    }
    return count;
}

// What a process holds: private memory, working set, kernel handles, GDI and
// USER objects (-1 where the platform does not count them) and top-level
// windows.
int Resources(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (process == nullptr) {
        return 1;
    }
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof memory);
    const auto gui_objects = [process](DWORD kind) {
        SetLastError(0);
        const DWORD count = GetGuiResources(process, kind);
        return count == 0 && GetLastError() != 0 ? -1L : static_cast<long>(count);
    };
    std::pair<DWORD, int> windows{pid, 0};
    EnumWindows(CountWindowOfProcess, reinterpret_cast<LPARAM>(&windows));
    std::printf(
        "private_kb=%llu\tworking_set_kb=%llu\thandles=%ld\tgdi=%ld\tuser=%ld\t"
        "windows=%d\n",
        static_cast<unsigned long long>(memory.PagefileUsage / 1024),
        static_cast<unsigned long long>(memory.WorkingSetSize / 1024), HandlesOf(pid),
        gui_objects(GR_GDIOBJECTS), gui_objects(GR_USEROBJECTS), windows.second);
    CloseHandle(process);
    return 0;
}

// Keeps a file open for reading until standard input closes: shared with no
// one, or, as a virus scanner or an editor does, shared for reading and
// writing but not for deleting.
int HoldFile(const char* path, DWORD share) {
    HANDLE file = CreateFileA(path, GENERIC_READ, share, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    char line[64];
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
    }
    CloseHandle(file);
    return 0;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: velmora_probe find TITLE | wait TITLE MS | wait-gone TITLE MS |\n"
                 "       post TITLE MSG [WPARAM [LPARAM]] | children HWND | foreground |\n"
                 "       screensaver-window | host X Y W H [unaware|system|permonitor] | together "
                 "COUNT COMMAND_LINE | acp |\n"
                 "       load DLL | hold FILE | hold-shared FILE | frames | in-job COMMAND_LINE |\n"
                 "       display-state TITLE 0|1|2 | set-mode W H | resources PID\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Usage();
    }
    const std::string command = argv[1];
    if (command == "find" && argc == 3) {
        return FindTopLevel(argv[2]);
    }
    if ((command == "wait" || command == "wait-gone") && argc == 4) {
        return WaitFor(argv[2], std::strtoul(argv[3], nullptr, 10), command == "wait");
    }
    if (command == "post" && argc >= 4) {
        return PostToWindow(argc, argv);
    }
    if (command == "children" && argc == 3) {
        return Children(argv[2]);
    }
    if (command == "acp") {
        std::printf("%u\n", GetACP());
        return 0;
    }
    if (command == "foreground") {
        return Foreground();
    }
    if (command == "screensaver-window") {
        return RunWindow(velmora::contract::kScreenSaverWindowClass,
                         velmora::contract::kScreenSaverCreationTitle, WS_OVERLAPPEDWINDOW, 100,
                         100, 320, 200);
    }
    if (command == "host" && (argc == 6 || argc == 7)) {
        if (argc == 7 && !MakeWindowsAs(argv[6])) {
            return 2;
        }
        return RunWindow("VelmoraProbeHost", "Velmora probe host", WS_POPUP,
                         DecimalArgument(argv[2]), DecimalArgument(argv[3]),
                         DecimalArgument(argv[4]), DecimalArgument(argv[5]));
    }
    if (command == "frames") {
        return Frames();
    }
    if (command == "display-state" && argc == 4) {
        return DisplayState(argv[2], std::strtoul(argv[3], nullptr, 10));
    }
    if (command == "set-mode" && argc == 4) {
        return SetMode(DecimalArgument(argv[2]), DecimalArgument(argv[3]));
    }
    if (command == "resources" && argc == 3) {
        return Resources(std::strtoul(argv[2], nullptr, 10));
    }
    // Loads a DLL by its name alone, as a program's imports are found.
    if (command == "load" && argc == 3) {
        return LoadLibraryA(argv[2]) != nullptr ? 0 : 1;
    }
    if (command == "hold" && argc == 3) {
        return HoldFile(argv[2], 0);
    }
    if (command == "hold-shared" && argc == 3) {
        return HoldFile(argv[2], FILE_SHARE_READ | FILE_SHARE_WRITE);
    }
    if (command == "in-job" && argc == 3) {
        return RunInJob(argv[2]);
    }
    if (command == "together" && argc == 4) {
        return StartTogether(DecimalArgument(argv[2]), argv[3]);
    }
    return Usage();
}
