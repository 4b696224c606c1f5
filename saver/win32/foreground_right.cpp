#include "saver/win32/foreground_right.h"

namespace velmora::saver {

void ResumeWithForegroundRight(const PROCESS_INFORMATION& started) {
    // Workaround (Windows): the foreground lock lets a process take the
    // foreground only under its rules, and this program's only window is
    // hidden; so the right is handed on before the program runs, and its
    // first window may already come forward.
    AllowSetForegroundWindow(started.dwProcessId);
    ResumeThread(started.hThread);
}

}  // namespace velmora::saver
