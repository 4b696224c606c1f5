#include "saver/win32/renderer_launcher.h"

#include "contract/run_contract.h"
#include "platform_edge/win32/named_lock.h"
#include "saver/win32/foreground_right.h"

namespace velmora::saver {

namespace {

// A job that ends its processes when its last handle closes: this program's,
// at whatever end. Null when the platform will not make it.
HANDLE MakeEndingJob() {
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (job == nullptr) {
        return nullptr;
    }
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        CloseHandle(job);
        return nullptr;
    }
    return job;
}

// The started, still suspended process in a job of its own; null when it
// could not be put in one.
HANDLE TieToThisProgram(HANDLE process) {
    HANDLE job = MakeEndingJob();
    if (job != nullptr && !AssignProcessToJobObject(job, process)) {
        CloseHandle(job);
        return nullptr;
    }
    return job;
}

void CloseIfOpen(HANDLE& handle) {
    if (handle != nullptr) {
        CloseHandle(handle);
        handle = nullptr;
    }
}

}  // namespace

RendererLauncher::~RendererLauncher() {
    CloseIfOpen(process_);
    CloseIfOpen(job_);
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
    // In its job before it runs a single instruction.
    CloseIfOpen(job_);
    job_ = TieToThisProgram(info.hProcess);
    ResumeWithForegroundRight(info);
    CloseHandle(info.hThread);
    CloseIfOpen(process_);
    process_ = info.hProcess;
    return true;
}

bool RendererLauncher::Running() const {
    return (process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) ||
           platform_edge::HeldElsewhere(contract::kRendererRunningLock,
                                        platform_edge::LockUse::Look);
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
