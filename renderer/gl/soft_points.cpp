#include "renderer/gl/soft_points.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "renderer/core/soft_disc.h"
#include "renderer/gl/clamped_texture.h"

namespace velmora::renderer {
namespace {

// Room around the disc in its texture, so the rim never meets the edge.
constexpr float kDiscMargin = 4.0f;
constexpr int kLargestDiscTexture = 1024;

int TextureSideFor(float side) {
    GLint most = 64;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &most);
    int texture_side = 1;
    while (texture_side < side && texture_side < std::min<int>(most, kLargestDiscTexture)) {
        texture_side *= 2;
    }
    return texture_side;
}

}  // namespace

float LargestSmoothPoint() {
    GLfloat range[2] = {1.0f, 1.0f};
    glGetFloatv(GL_POINT_SIZE_RANGE, range);
    return range[1];
}

void SoftPoints::Draw(const PointBatch& batch, const MonitorView& view) {
    int begin = 0;
    for (const PointBatch::Group& group : batch.groups) {
        const float size = group.size * view.point_scale;
        if (size <= largest_smooth_point_) {
            glPointSize(size);
            glBegin(GL_POINTS);
            for (int i = begin; i < group.end; ++i) {
                const Sample& point = batch.points[static_cast<size_t>(i)];
                glColor3fv(&point.r);
                glVertex3fv(&point.x);
            }
            glEnd();
        } else {
            DrawDiscs(batch, begin, group.end, size, view);
        }
        begin = group.end;
    }
}

// Squares in the view's pixels, centred where the GL would put the points.
void SoftPoints::DrawDiscs(const PointBatch& batch, int begin, int end, float size,
                           const MonitorView& view) {
    const int size_class = DiscSizeClassOf(size);
    const DiscTexture& disc = BindDisc(size_class);
    if (disc.name == 0) {
        return;
    }
    const int texture_side = disc.side;
    const float class_size = DiscSizeOfClass(size_class);
    const float texel = std::max(1.0f, (class_size + kDiscMargin) / texture_side);
    const float half = texture_side * texel * (size / class_size) / 2.0f;

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, view.width, 0.0, view.height, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    const Frustum frustum = FrustumFor(view.geometry);
    glBegin(GL_QUADS);
    for (int i = begin; i < end; ++i) {
        const Sample& point = batch.points[static_cast<size_t>(i)];
        const ViewPixel at =
            ProjectIntoView(frustum, view.width, view.height, point.x, point.y, point.z);
        if (!at.visible) {
            continue;
        }
        glColor3fv(&point.r);
        glTexCoord2f(0.0f, 0.0f);
        glVertex2f(at.x - half, at.y - half);
        glTexCoord2f(1.0f, 0.0f);
        glVertex2f(at.x + half, at.y - half);
        glTexCoord2f(1.0f, 1.0f);
        glVertex2f(at.x + half, at.y + half);
        glTexCoord2f(0.0f, 1.0f);
        glVertex2f(at.x - half, at.y + half);
    }
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

// The disc of the class's size as alpha, its centre at the texture's centre.
const SoftPoints::DiscTexture& SoftPoints::BindDisc(int size_class) {
    const auto known = disc_textures_.find(size_class);
    if (known != disc_textures_.end()) {
        glBindTexture(GL_TEXTURE_2D, known->second.name);
        return known->second;
    }
    const float size = DiscSizeOfClass(size_class);
    const int side = TextureSideFor(size + kDiscMargin);
    const float texel = std::max(1.0f, (size + kDiscMargin) / side);
    std::vector<GLubyte> alpha(static_cast<size_t>(side) * side);
    for (int row = 0; row < side; ++row) {
        for (int column = 0; column < side; ++column) {
            const float dx = (column + 0.5f - side / 2.0f) * texel;
            const float dy = (row + 0.5f - side / 2.0f) * texel;
            alpha[static_cast<size_t>(row) * side + column] = static_cast<GLubyte>(
                std::lround(255.0f * DiscCover(std::sqrt(dx * dx + dy * dy), size)));
        }
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const GLuint texture =
        NewClampedTexture(GL_LINEAR, GL_ALPHA8, side, side, GL_ALPHA, alpha.data());
    return disc_textures_[size_class] = DiscTexture{texture, side};
}

void SoftPoints::Release() {
    for (const auto& [size_class, disc] : disc_textures_) {
        if (disc.name != 0) {
            glDeleteTextures(1, &disc.name);
        }
    }
    disc_textures_.clear();
}

}  // namespace velmora::renderer
