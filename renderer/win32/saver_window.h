#pragma once

#include <windows.h>

namespace velmora::renderer {

// The GUI entry: runs the saver window and returns the exit code (always 0).
int renderer_main(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line,
                  int show_flag);

// Registers the class, creates the topmost full-screen window and runs the
// message loop, drawing a frame whenever the queue is empty.
int run_saver_window();

LRESULT CALLBACK saver_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Draws one frame when set-up is complete and no password dialog is up.
void idle_draw();

void set_effect_parameters(HWND window);
void effect_setup(HWND window);
void draw_frame();
void effect_teardown(HWND window);
bool verify_password(HWND window);

}  // namespace velmora::renderer
