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

void DarkenView(const ViewGeometry& geometry, float fade_alpha) {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.0f, 0.0f, 0.0f, fade_alpha);
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
                          Random15 random, FrameKeeping keeping) {
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
    soft_points_ = SoftPoints(LargestSmoothPoint());

    keeping_ = keeping;
    MakeKeepers();

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

void EffectDrawing::MakeKeepers() {
    for (FrameKeeper& keeper : keepers_) {
        keeper.Release();
    }
    keepers_.clear();
    if (keeping_ == FrameKeeping::Texture) {
        keepers_.resize(views_.size());
        for (size_t i = 0; i < views_.size(); ++i) {
            const MonitorView& view = views_[i];
            keepers_[i].Create(view.x, view.y, view.width, view.height);
            keepers_[i].Keep();
        }
    }
    if (!views_.empty()) {
        ApplyView(views_.front());
    }
}

void EffectDrawing::ChangeKeeping(FrameKeeping keeping) {
    if (keeping == keeping_) {
        return;
    }
    if (keeping == FrameKeeping::BackBuffer) {
        // The back buffer takes the picture over from the textures.
        for (size_t i = 0; i < views_.size() && i < keepers_.size(); ++i) {
            ApplyView(views_[i]);
            keepers_[i].Restore(1.0f);
        }
    }
    keeping_ = keeping;
    MakeKeepers();
}

void EffectDrawing::ChangeLayout(const DesktopLayout& layout) {
    views_ = layout.views;
    glDisable(GL_SCISSOR_TEST);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_SCISSOR_TEST);
    MakeKeepers();
}

void EffectDrawing::DrawFrame(const FrameStep& step) {
    glLoadIdentity();
    for (EffectInstance& instance : instances_) {
        SimulateFrame(instance, parameters_, gains_, random_, step.steps);
    }
    BatchPointsBySize(instances_, gains_.point_gain, step.light, batch_);
    for (size_t i = 0; i < views_.size(); ++i) {
        DrawView(i, step.fade_alpha);
    }
    glFlush();
}

void EffectDrawing::DrawView(std::size_t index, float fade_alpha) {
    const MonitorView& view = views_[index];
    ApplyView(view);
    const bool texture_ready = index < keepers_.size() && keepers_[index].Active();
    const TrailSource source = TrailSourceFor(texture_ready, keeping_ == FrameKeeping::BackBuffer);
    switch (source) {
        case TrailSource::Texture:
            // The kept picture comes back already darkened: the same result
            // as the darkening quad, in one pass over the view instead of two.
            keepers_[index].Restore(1.0f - fade_alpha);
            break;
        case TrailSource::BackBuffer:
            if (fade_alpha > 0.0f) {
                DarkenView(view.geometry, fade_alpha);
            }
            break;
        case TrailSource::None:
            glClear(GL_COLOR_BUFFER_BIT);
            break;
    }
    soft_points_.Draw(batch_, view);
    if (source == TrailSource::Texture) {
        keepers_[index].Keep();
    }
}

void EffectDrawing::TearDown() {
    instances_.clear();
    instances_.shrink_to_fit();
    for (FrameKeeper& keeper : keepers_) {
        keeper.Release();
    }
    keepers_.clear();
    soft_points_.Release();
}

}  // namespace velmora::renderer
