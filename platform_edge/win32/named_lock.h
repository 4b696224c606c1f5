#pragma once
// The named locks of the log-on session by which the programs find one
// another: a run or the settings dialog busy, a renderer running.

#include <windows.h>

namespace velmora::platform_edge {

enum class LockUse {
    Hold,  // take it, made when none exists, and keep it until the process ends
    Look,  // only tell whether another process holds it; never made
};

// Whether another process holds the lock `name`: one step that either takes
// it or finds it held, so of two processes asking together exactly one holds
// it (a wait the platform fails guards nothing). A lock whose holder ended without letting it go
// counts as free (and is taken over). A lock that does not exist, or that the platform refuses to
// make or open, is held by no one.
inline bool HeldElsewhere(const wchar_t* name, LockUse use) {
    const HANDLE lock = use == LockUse::Hold ? CreateMutexW(nullptr, FALSE, name)
                                             : OpenMutexW(SYNCHRONIZE, FALSE, name);
    if (lock == nullptr) {
        return false;
    }
    const DWORD wait = WaitForSingleObject(lock, 0);
    const bool taken = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    if (taken && use == LockUse::Hold) {
        return false;  // the handle stays open: the platform lets go at the process's end
    }
    if (taken) {
        ReleaseMutex(lock);  // a look that took it for a moment
    }
    CloseHandle(lock);
    return wait == WAIT_TIMEOUT;
}

}  // namespace velmora::platform_edge
