#include "renderer/gl/effect_drawing.h"

#include <algorithm>
#include <new>

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

    for (FrameKeeper& keeper : keepers_) {
        keeper.Release();
    }
    keepers_.clear();
    if (keeping == FrameKeeping::Texture) {
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
    FrameKeeper* keeper =
        index < keepers_.size() && keepers_[index].Active() ? &keepers_[index] : nullptr;
    if (keeper != nullptr) {
        // The kept picture comes back already darkened: the same result as
        // the darkening quad, in one pass over the view instead of two.
        keeper->Restore(1.0f - fade_alpha);
    } else if (fade_alpha > 0.0f) {
        DarkenView(view.geometry, fade_alpha);
    }
    DrawPointBatch(batch_);
    if (keeper != nullptr) {
        keeper->Keep();
    }
}

void EffectDrawing::TearDown() {
    instances_.clear();
    instances_.shrink_to_fit();
    for (FrameKeeper& keeper : keepers_) {
        keeper.Release();
    }
    keepers_.clear();
}

void DrawPointBatch(const PointBatch& batch) {
    int begin = 0;
    for (const PointBatch::Group& group : batch.groups) {
        glPointSize(group.size);
        glBegin(GL_POINTS);
        for (int i = begin; i < group.end; ++i) {
            const Sample& point = batch.points[static_cast<size_t>(i)];
            glColor3fv(&point.r);
            glVertex3fv(&point.x);
        }
        glEnd();
        begin = group.end;
    }
}

}  // namespace velmora::renderer
