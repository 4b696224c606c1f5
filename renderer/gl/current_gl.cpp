#include "renderer/gl/current_gl.h"

#include "renderer/gl/gl_api.h"

namespace velmora::renderer {
namespace {

std::string GlString(GLenum name) {
    const auto* text = reinterpret_cast<const char*>(glGetString(name));
    return text != nullptr ? std::string(text) : std::string();
}

}  // namespace

GlIdentity CurrentGlIdentity() {
    return GlIdentity{GlString(GL_VENDOR), GlString(GL_RENDERER)};
}

DrawableSize CurrentLargestDrawable() {
    GLint dims[2] = {0, 0};
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, dims);
    return LargestDrawable(dims[0], dims[1]);
}

}  // namespace velmora::renderer
