#include "saver/win32/renderer_launcher.h"

#include "text/win32/wide_text.h"

namespace velmora::saver {

namespace {

// Every renderer holds this lock of the log-on session for its life, its
// window up or not.
bool RendererLockHeld() {
    HANDLE lock = OpenMutexW(SYNCHRONIZE, FALSE, L"Local\\VelmoraVC running");
    if (lock == nullptr) {
        return false;
    }
    const DWORD wait = WaitForSingleObject(lock, 0);
    if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) {
        ReleaseMutex(lock);  // no renderer held it: this look took it for a moment
    }
    CloseHandle(lock);
    return wait == WAIT_TIMEOUT;
}

}  // namespace

RendererLauncher::~RendererLauncher() {
    if (process_) {
        CloseHandle(process_);
    }
}

bool RendererLauncher::Launch(const std::string& path) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    // The command line only names the program again, quoted; the renderer reads no arguments.
    const std::wstring program = text::WideFromUtf8(path);
    std::wstring command_line = L"\"" + program + L"\"";
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    if (process_) {
        CloseHandle(process_);
    }
    process_ = info.hProcess;
    return true;
}

bool RendererLauncher::Running() const {
    return (process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) || RendererLockHeld();
}

}  // namespace velmora::saver
