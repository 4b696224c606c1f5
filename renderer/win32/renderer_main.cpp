#include <windows.h>

#include "renderer/win32/saver_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return velmora::renderer::RunRenderer(instance);
}
