#pragma once
// A 2D texture clamped at its edges, the one way the drawing makes textures.

#include "renderer/gl/gl_api.h"

namespace velmora::renderer {

// Makes, binds and fills a texture (pixels may be null: contents undefined).
// Returns its name, or 0 when the GL refuses it.
GLuint NewClampedTexture(GLint filter, GLint internal_format, GLsizei width, GLsizei height,
                         GLenum format, const void* pixels);

}  // namespace velmora::renderer
