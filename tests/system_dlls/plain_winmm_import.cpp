// Imports winmm.dll the ordinary way, as the programs must not: the import
// check has to refuse it.
#include <windows.h>

#include <mmsystem.h>

int main() {
    return timeGetTime() == 0 ? 1 : 0;
}
