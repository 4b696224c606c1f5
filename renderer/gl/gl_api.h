#pragma once
// OpenGL 1.1 and GLU. On Windows their headers need the platform's own first.
#ifdef _WIN32
#include <windows.h>
#endif
#include <GL/gl.h>
#include <GL/glu.h>
