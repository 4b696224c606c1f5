#include <windows.h>

#include "renderer/win32/saver_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                   int show_flag) {
    return velmora::renderer::renderer_main(instance, previous_instance, command_line, show_flag);
}
