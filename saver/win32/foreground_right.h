#pragma once
// Handing this program's right to the foreground on to a program it starts.

#include <windows.h>

namespace velmora::saver {

// Lets the process `started` (made suspended) take the foreground as this
// program may, then lets it run. Where this program has no such right to
// hand on, the process runs all the same.
void ResumeWithForegroundRight(const PROCESS_INFORMATION& started);

}  // namespace velmora::saver
