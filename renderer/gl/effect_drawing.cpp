#include "renderer/gl/effect_drawing.h"

#include <new>

namespace velmora::renderer {

void EffectDrawing::set_up(const ClientRect& client, const EffectParameters& parameters,
                           FrameKeeping keeping) {
    parameters_ = parameters;
    gains_ = derive_effect_gains(parameters);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    view_ = view_geometry(width, height);

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

    keeper_.release();
    if (keeping == FrameKeeping::texture) {
        keeper_.create(client.left, client.top, width, height);
        keeper_.keep();
    }

    instances_.clear();
    try {
        for (int i = 0; i < parameters.effect_count; ++i) {
            instances_.push_back(create_effect_instance(parameters));
        }
    } catch (const std::bad_alloc&) {
        instances_.clear();
        instances_.shrink_to_fit();
    }
    glFlush();
}

void EffectDrawing::fade_previous_frame() const {
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

void EffectDrawing::draw_frame() {
    glLoadIdentity();
    if (keeper_.active()) {
        // The kept picture comes back already darkened: the same result as
        // the darkening quad, in one pass over the screen instead of two.
        keeper_.restore(1.0f - gains_.fade_alpha);
    } else {
        fade_previous_frame();
    }
    for (EffectInstance& instance : instances_) {
        update_and_draw(instance, parameters_, gains_);
    }
    keeper_.keep();
    glFlush();
}

void EffectDrawing::tear_down() {
    instances_.clear();
    instances_.shrink_to_fit();
    keeper_.release();
}

void update_and_draw(EffectInstance& instance, const EffectParameters& parameters,
                     const EffectGains& gains) {
    simulate_frame(instance, parameters, gains);
    draw_points(instance, gains.point_gain);
}

float point_size_at(float z, float point_gain) {
    float depth = z + 40.0f;
    if (depth < 0.01f) {
        depth = 0.01f;
    }
    return point_gain * depth;
}

void draw_points(const EffectInstance& instance, float point_gain) {
    // One primitive per point: the size changes from point to point.
    for (const Sample& sample : instance.samples) {
        glPointSize(point_size_at(sample.z, point_gain));
        glBegin(GL_POINTS);
        glColor3fv(&sample.r);
        glVertex3fv(&sample.x);
        glEnd();
    }
}

}  // namespace velmora::renderer
