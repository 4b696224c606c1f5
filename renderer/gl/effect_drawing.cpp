#include "renderer/gl/effect_drawing.h"

#include <algorithm>
#include <new>

#include "renderer/core/trail_keeping.h"

namespace velmora::renderer {
namespace {

// Viewport, scissor and projection of one monitor's view: points that reach
// over its edge are cut there rather than drawn on the next monitor.
void ApplyView(const MonitorView& view) {
    glViewport(view.x, view.y, view.width, view.height);
    glScissor(view.x, view.y, view.width, view.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const Frustum frustum = FrustumFor(view.geometry);
    glFrustum(frustum.left, frustum.right, frustum.bottom, frustum.top, frustum.near_plane,
              frustum.far_plane);
    glTranslatef(0.0f, 0.0f, -kViewerDistance);
    glMatrixMode(GL_MODELVIEW);
}

void DarkenView(const ViewGeometry& geometry, float darkening) {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.0f, 0.0f, 0.0f, darkening);
    const float w = geometry.fade_half_width;
    const float h = geometry.fade_half_height;
    glBegin(GL_QUADS);
    glVertex3f(-w, -h, 0.0f);
    glVertex3f(w, -h, 0.0f);
    glVertex3f(w, h, 0.0f);
    glVertex3f(-w, h, 0.0f);
    glEnd();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
}

}  // namespace

void EffectDrawing::SetUp(const DesktopLayout& layout, const EffectParameters& parameters,
                          Random15 random, TrailKeeping keeping, bool round_smooth_points) {
    parameters_ = parameters;
    random_ = random;
    gains_ = DeriveEffectGains(parameters);
    views_ = layout.views;

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    glEnable(GL_POINT_SMOOTH);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    glEnable(GL_SCISSOR_TEST);
    soft_points_.Release();
    soft_points_ = SoftPoints(round_smooth_points ? LargestSmoothPoint() : 0.0f);

    keeping_ = keeping;
    MakeTrailTextures();

    instances_.clear();
    try {
        for (int i = 0; i < parameters.effect_count; ++i) {
            instances_.push_back(CreateEffectInstance(parameters, random_));
        }
    } catch (const std::bad_alloc&) {
        instances_.clear();
        instances_.shrink_to_fit();
    }
    glFlush();
}

void EffectDrawing::MakeTrailTextures() {
    for (TrailTexture& keeper : trail_textures_) {
        keeper.Release();
    }
    trail_textures_.clear();
    if (keeping_ == TrailKeeping::Texture) {
        trail_textures_.resize(views_.size());
        for (size_t i = 0; i < views_.size(); ++i) {
            const MonitorView& view = views_[i];
            trail_textures_[i].Create(view.x, view.y, view.width, view.height);
            trail_textures_[i].Keep();
        }
    }
    if (!views_.empty()) {
        ApplyView(views_.front());
    }
}

void EffectDrawing::ChangeKeeping(TrailKeeping keeping) {
    if (keeping == keeping_) {
        return;
    }
    if (keeping == TrailKeeping::BackBuffer) {
        // The back buffer takes the picture over from the textures.
        for (size_t i = 0; i < views_.size() && i < trail_textures_.size(); ++i) {
            ApplyView(views_[i]);
            trail_textures_[i].Restore(1.0f);
        }
    }
    keeping_ = keeping;
    MakeTrailTextures();
}

void EffectDrawing::ChangeLayout(const DesktopLayout& layout, TrailKeeping keeping) {
    views_ = layout.views;
    keeping_ = keeping;
    glDisable(GL_SCISSOR_TEST);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_SCISSOR_TEST);
    MakeTrailTextures();
}

void EffectDrawing::DrawFrame(const FrameStep& step) {
    glLoadIdentity();
    for (EffectInstance& instance : instances_) {
        SimulateFrame(instance, parameters_, gains_, random_, step.steps);
    }
    BatchPointsBySize(instances_, gains_.point_gain, step.light, batch_);
    for (size_t i = 0; i < views_.size(); ++i) {
        DrawView(i, step.darkening);
    }
    glFlush();
}

void EffectDrawing::DrawView(std::size_t index, float darkening) {
    const MonitorView& view = views_[index];
    ApplyView(view);
    const bool texture_ready = index < trail_textures_.size() && trail_textures_[index].Active();
    const TrailKeeping keeping = TrailKeepingOfView(keeping_, texture_ready);
    switch (keeping) {
        case TrailKeeping::Texture:
            // The kept picture comes back already darkened: the same result
            // as the darkening quad, in one pass over the view instead of two.
            trail_textures_[index].Restore(1.0f - darkening);
            break;
        case TrailKeeping::BackBuffer:
            if (darkening > 0.0f) {
                DarkenView(view.geometry, darkening);
            }
            break;
        case TrailKeeping::None:
            glClear(GL_COLOR_BUFFER_BIT);
            break;
    }
    soft_points_.Draw(batch_, view);
    if (keeping == TrailKeeping::Texture) {
        trail_textures_[index].Keep();
    }
}

void EffectDrawing::TearDown() {
    instances_.clear();
    instances_.shrink_to_fit();
    for (TrailTexture& keeper : trail_textures_) {
        keeper.Release();
    }
    trail_textures_.clear();
    soft_points_.Release();
}

}  // namespace velmora::renderer
