// Started by the launcher's test under another name: writes its own path into
// "ran.txt" beside itself, stays a moment, and notes "ended.txt" as it ends
// by itself.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring note = path;
    note = note.substr(0, note.find_last_of(L'\\') + 1) + L"ran.txt";
    HANDLE file = CreateFileW(note.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, path, static_cast<DWORD>(lstrlenW(path) * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(file);
    Sleep(700);
    const std::wstring ended = note.substr(0, note.find_last_of(L'\\') + 1) + L"ended.txt";
    CloseHandle(CreateFileW(ended.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    return 0;
}
