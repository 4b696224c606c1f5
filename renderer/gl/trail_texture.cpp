#include "renderer/gl/trail_texture.h"

#include <cstdlib>
#include <cstring>

#include "renderer/gl/clamped_texture.h"

namespace velmora::renderer {
namespace {

int NextPowerOfTwo(int value) {
    int power = 1;
    while (power < value) {
        power *= 2;
    }
    return power;
}

bool HasExtension(const char* name) {
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (extensions == nullptr) {
        return false;
    }
    const size_t length = std::strlen(name);
    for (const char* at = std::strstr(extensions, name); at != nullptr;
         at = std::strstr(at + 1, name)) {
        const bool starts = at == extensions || at[-1] == ' ';
        const bool ends = at[length] == ' ' || at[length] == '\0';
        if (starts && ends) {
            return true;
        }
    }
    return false;
}

bool SupportsAnyTextureSize() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (version != nullptr && std::strtol(version, nullptr, 10) >= 2) {
        return true;
    }
    return HasExtension("GL_ARB_texture_non_power_of_two");
}

void ClearTo(float blue) {
    glClearColor(0.0f, 0.0f, blue, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

}  // namespace

TrailKeeping ProbeTrailKeeping(int width, int height, const std::function<void()>& swap) {
    constexpr int kSide = 8;
    if (width < kSide || height < kSide) {
        return TrailKeeping::Texture;
    }
    const GLboolean scissor = glIsEnabled(GL_SCISSOR_TEST);
    glDisable(GL_SCISSOR_TEST);
    glDrawBuffer(GL_BACK);
    glReadBuffer(GL_BACK);
    ClearTo(1.0f / 255.0f);
    swap();
    ClearTo(2.0f / 255.0f);
    swap();
    unsigned char pixels[kSide * kSide * 4] = {};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels((width - kSide) / 2, (height - kSide) / 2, kSide, kSide, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels);
    bool kept = true;
    for (int i = 0; i < kSide * kSide; ++i) {
        kept = kept && pixels[i * 4] == 0 && pixels[i * 4 + 1] == 0 && pixels[i * 4 + 2] == 2;
    }
    ClearTo(0.0f);
    if (scissor) {
        glEnable(GL_SCISSOR_TEST);
    }
    return kept ? TrailKeeping::BackBuffer : TrailKeeping::Texture;
}

void TrailTexture::Create(int x, int y, int width, int height) {
    Release();
    if (width <= 0 || height <= 0) {
        return;
    }
    const bool any_size = SupportsAnyTextureSize();
    const int texture_width = any_size ? width : NextPowerOfTwo(width);
    const int texture_height = any_size ? height : NextPowerOfTwo(height);
    GLint max_size = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max_size);
    if (texture_width > max_size || texture_height > max_size) {
        return;
    }
    texture_ =
        NewClampedTexture(GL_NEAREST, GL_RGBA8, texture_width, texture_height, GL_RGBA, nullptr);
    if (texture_ == 0) {
        return;
    }
    x_ = x;
    y_ = y;
    width_ = width;
    height_ = height;
    s_max_ = static_cast<float>(width) / static_cast<float>(texture_width);
    t_max_ = static_cast<float>(height) / static_cast<float>(texture_height);
}

void TrailTexture::Restore(float kept) const {
    if (!Active()) {
        return;
    }
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glColor4f(kept, kept, kept, 1.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-1.0f, -1.0f);
    glTexCoord2f(s_max_, 0.0f);
    glVertex2f(1.0f, -1.0f);
    glTexCoord2f(s_max_, t_max_);
    glVertex2f(1.0f, 1.0f);
    glTexCoord2f(0.0f, t_max_);
    glVertex2f(-1.0f, 1.0f);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void TrailTexture::Keep() const {
    if (!Active()) {
        return;
    }
    glBindTexture(GL_TEXTURE_2D, texture_);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, x_, y_, width_, height_);
}

void TrailTexture::Release() {
    if (texture_ != 0) {
        glDeleteTextures(1, &texture_);
        texture_ = 0;
    }
}

}  // namespace velmora::renderer
