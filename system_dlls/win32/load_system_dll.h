#pragma once
// Where both programs take the DLLs that Windows would also look for beside
// them: the Windows system folder, and nowhere else.

namespace velmora::system_dlls {

// The first call of each program's entry point. From here on every DLL loaded
// by name comes from the Windows system folder only, never from the program's
// own folder, which may be Downloads. The delayed imports (OpenGL, the sound
// calls, the gradient fill, the open-file dialog, the shell's launch) are
// loaded from there on their first call; one that cannot be loaded ends the
// program with a message naming it, captioned kMissingDllMessageCaption.
void LoadDllsFromSystemFolderOnly();

// A function that older Windows may lack, from a DLL of the system folder
// only; null when the DLL or the function is not there. Cast it to its type.
void* OptionalSystemFunction(const wchar_t* dll, const char* function);

}  // namespace velmora::system_dlls
