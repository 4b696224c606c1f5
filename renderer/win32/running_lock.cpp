#include "renderer/win32/running_lock.h"

#include <windows.h>

namespace velmora::renderer {

// Made or opened, then waited on without waiting: one step that either takes
// the lock or finds it held, so of two renderers started together exactly one
// runs. A lock whose holder ended without letting it go is taken over. A lock
// the platform refuses to make guards nothing, and the renderer runs.
bool TakeRunningLock() {
    const HANDLE lock = CreateMutexW(nullptr, FALSE, L"Local\\VelmoraVC running");
    if (lock == nullptr) {
        return true;
    }
    const DWORD wait = WaitForSingleObject(lock, 0);
    if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) {
        return true;  // the handle stays open: the platform lets go at the process's end
    }
    CloseHandle(lock);
    return false;
}

}  // namespace velmora::renderer
