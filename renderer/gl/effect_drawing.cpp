#include "renderer/gl/effect_drawing.h"

#include <new>

namespace velmora::renderer {

void EffectDrawing::SetUp(const ClientRect& client, const EffectParameters& parameters,
                          Random15 random, FrameKeeping keeping) {
    parameters_ = parameters;
    random_ = random;
    gains_ = DeriveEffectGains(parameters);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    view_ = ViewGeometryFor(width, height);

    glViewport(client.left, client.top, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(view_.field_of_view_y, view_.aspect, 1.0, 10000.0);
    glTranslatef(0.0f, 0.0f, -kViewerDistance);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    glEnable(GL_POINT_SMOOTH);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);

    keeper_.Release();
    if (keeping == FrameKeeping::Texture) {
        keeper_.Create(client.left, client.top, width, height);
        keeper_.Keep();
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

void EffectDrawing::FadePreviousFrame() const {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.0f, 0.0f, 0.0f, gains_.fade_alpha);
    const float w = view_.fade_half_width;
    const float h = view_.fade_half_height;
    glBegin(GL_QUADS);
    glVertex3f(-w, -h, 0.0f);
    glVertex3f(w, -h, 0.0f);
    glVertex3f(w, h, 0.0f);
    glVertex3f(-w, h, 0.0f);
    glEnd();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
}

void EffectDrawing::DrawFrame() {
    glLoadIdentity();
    if (keeper_.Active()) {
        // The kept picture comes back already darkened: the same result as
        // the darkening quad, in one pass over the screen instead of two.
        keeper_.Restore(1.0f - gains_.fade_alpha);
    } else {
        FadePreviousFrame();
    }
    for (EffectInstance& instance : instances_) {
        UpdateAndDraw(instance, parameters_, gains_, random_);
    }
    keeper_.Keep();
    glFlush();
}

void EffectDrawing::TearDown() {
    instances_.clear();
    instances_.shrink_to_fit();
    keeper_.Release();
}

void UpdateAndDraw(EffectInstance& instance, const EffectParameters& parameters,
                   const EffectGains& gains, Random15& random) {
    SimulateFrame(instance, parameters, gains, random);
    DrawPoints(instance, gains.point_gain);
}

float PointSizeAt(float z, float point_gain) {
    float depth = z + 40.0f;
    if (depth < 0.01f) {
        depth = 0.01f;
    }
    return point_gain * depth;
}

void DrawPoints(const EffectInstance& instance, float point_gain) {
    // One primitive per point: the size changes from point to point.
    for (const Sample& sample : instance.samples) {
        glPointSize(PointSizeAt(sample.z, point_gain));
        glBegin(GL_POINTS);
        glColor3fv(&sample.r);
        glVertex3fv(&sample.x);
        glEnd();
    }
}

}  // namespace velmora::renderer
