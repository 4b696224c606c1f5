#include "saver/win32/renderer_launcher.h"

#include "contract/run_contract.h"
#include "saver/win32/foreground_right.h"

namespace velmora::saver {

namespace {

// Every renderer holds this lock of the log-on session for its life, its
// window up or not.
bool RendererLockHeld() {
    HANDLE lock = OpenMutexW(SYNCHRONIZE, FALSE, contract::kRendererRunningLock);
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

bool RendererLauncher::Launch(const std::wstring& path) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    // The command line of the run contract: the program named again, quoted.
    std::wstring command_line = L"\"" + path + L"\"";
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(path.c_str(), command_line.data(), nullptr, nullptr, FALSE,
                        CREATE_SUSPENDED, nullptr, nullptr, &startup, &info)) {
        return false;
    }
    ResumeWithForegroundRight(info);
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

bool RendererLauncher::EndStarted(DWORD wait_ms) {
    if (!process_ || WaitForSingleObject(process_, 0) != WAIT_TIMEOUT ||
        !TerminateProcess(process_, 1)) {
        return false;
    }
    WaitForSingleObject(process_, wait_ms);
    return true;
}

}  // namespace velmora::saver
