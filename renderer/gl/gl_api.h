#pragma once

// OpenGL 1.1. On Windows its header needs the platform's own first.
#ifdef _WIN32
#include <windows.h>
#endif
#include <GL/gl.h>
