// Started by the launcher's test under another name: writes its own path into
// "ran.txt" beside itself, stays a moment, and ends.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string note = path;
    note = note.substr(0, note.find_last_of('\\') + 1) + "ran.txt";
    HANDLE file = CreateFileA(note.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, path, lstrlenA(path), &written, nullptr);
    CloseHandle(file);
    Sleep(700);
    return 0;
}
