#include "saver/win32/foreground_right.h"

namespace velmora::saver {

void ResumeWithForegroundRight(const PROCESS_INFORMATION& started) {
    // Before the program runs, so its first window may already come forward:
    // the system lets a process take the foreground only under its rules, and
    // this program's only window is hidden.
    AllowSetForegroundWindow(started.dwProcessId);
    ResumeThread(started.hThread);
}

}  // namespace velmora::saver
