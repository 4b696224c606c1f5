#pragma once

namespace velmora::system_dlls {

// Asks the platform to show no dialog for this process's faults (a crash, a
// drive without a disc, a file that will not open): a full-screen topmost
// window would hide such a dialog, and the process would wait on it for ever.
// A crashed process simply ends; its children inherit the error mode. Call it
// right after LoadDllsFromSystemFolderOnly.
void AskForNoFaultDialogs();

}  // namespace velmora::system_dlls
