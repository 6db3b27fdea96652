#include "engine/GLParticleSystem.h"

#include <cstdlib>

namespace {

// Each component a multiple of 0.001 in -0.1..0.099.
void RandomVelocity(Particle& particle) {
    for (double& v : particle.velocity) v = ((std::rand() % 200) - 100) / 100.0 / 10.0;
}

}  // namespace

void Particle::ResetToHome() {
    for (int axis = 0; axis < 3; ++axis) position[axis] = homePosition[axis];
    scale = 1;
    for (int i = 0; i < 4; ++i) colour[i] = baseColour[i];
}

GLParticleSystem::GLParticleSystem(int count, const std::string& name, int duration, double x, double y,
                                   double z)
    : GLObject(name, x, y, z), duration(duration) {
    for (int i = 0; i < count; ++i) {
        particles.push_back(std::make_unique<Particle>(Particle{{x, y, z}, {x, y, z}}));
        RandomVelocity(*particles.back());
    }
}

void GLParticleSystem::SetColour(double r, double g, double b, double a) {
    const double rgba[4] = {r, g, b, a};
    for (auto& particle : particles) {
        for (int i = 0; i < 4; ++i) particle->colour[i] = particle->baseColour[i] = rgba[i];
    }
    GLObject::SetColour(r, g, b, a);
}

bool GLParticleSystem::GeometryBox(const Pose&, double box[6]) const {
    MakeEmptyBox(box);
    return false;  // the sprites fly anywhere: a frame with particles is drawn whole
}

void GLParticleSystem::KeepMirrorPose() {
    GLObject::KeepMirrorPose();
    mirrorParticles.clear();
    for (const auto& particle : particles) mirrorParticles.push_back(*particle);
}

void GLParticleSystem::StepContent(uint32_t) {
    for (size_t i = 0; i < particles.size(); ++i) Emit(static_cast<int>(i));
    ++passCount;
    if (duration < passCount) visible = false;
}

void GLParticleSystem::DrawGeometry(const DrawPass& pass, const Pose&) const {
    glNormal3f(0, 0, 1);
    // Sprites show their own colour: with lighting on and colour material off, glColor would be
    // ignored and every burst would take the material of whatever was drawn before it. They leave
    // the depth buffer alone, so a faded, invisible sprite never hides what is drawn after it.
    glPushAttrib(GL_ENABLE_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glDepthMask(GL_FALSE);
    for (size_t i = 0; i < particles.size(); ++i) {
        const Particle& particle =
            pass.mirrored && i < mirrorParticles.size() ? mirrorParticles[i] : *particles[i];
        glPushMatrix();
        glTranslatef(static_cast<float>(particle.position[0]), static_cast<float>(particle.position[1]),
                     static_cast<float>(particle.position[2]));
        // Face the viewer by patching the rotation out of the model-view matrix.
        GLfloat matrix[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
        for (int column = 0; column < 3; ++column) {
            for (int row = 0; row < 3; ++row) matrix[column * 4 + row] = column == row ? 1.0f : 0.0f;
        }
        glLoadMatrixf(matrix);
        const float h = static_cast<float>(particle.scale / 2);
        glColor4dv(particle.colour);
        glBegin(GL_QUADS);
        glTexCoord2f(1, 1);
        glVertex3f(h, h, 0);
        glTexCoord2f(0, 1);
        glVertex3f(-h, h, 0);
        glTexCoord2f(0, 0);
        glVertex3f(-h, -h, 0);
        glTexCoord2f(1, 0);
        glVertex3f(h, -h, 0);
        glEnd();
        glPopMatrix();
    }
    glPopAttrib();
}

void GLParticleSystem::Emit(int index) {
    Particle& particle = *particles[index];
    for (int axis = 0; axis < 3; ++axis) particle.position[axis] += particle.velocity[axis];
    particle.colour[3] -= 0.01;
    particle.scale -= 0.01;
    if (particle.colour[3] <= 0) {
        // Re-emit from the emitter: up to 0.025 sideways and 0..0.05 upwards per pass.
        particle.scale = 4;
        particle.colour[3] = (std::rand() % 1000) / 1000.0;
        for (int axis = 0; axis < 3; ++axis) particle.position[axis] = position[axis];
        particle.velocity[0] = (std::rand() % 1000) / 20000.0 - 0.025;
        particle.velocity[1] = (std::rand() % 1000) / 20000.0;
        particle.velocity[2] = (std::rand() % 1000) / 20000.0 - 0.025;
    }
}

void GLParticleSystem::Restart() {
    passCount = 0;
    for (auto& particle : particles) {
        particle->ResetToHome();
        RandomVelocity(*particle);
    }
}

GLParticleSystemSimpleExplosion::GLParticleSystemSimpleExplosion(int duration, const std::string& name,
                                                                 int count, double x, double y, double z)
    : GLParticleSystem(count, name, duration, x, y, z) {}

void GLParticleSystemSimpleExplosion::Emit(int index) {
    Particle& particle = *particles[index];
    for (int axis = 0; axis < 3; ++axis) particle.position[axis] += particle.velocity[axis];
    particle.colour[3] -= 0.05;  // transparent after 20 passes from alpha 1
    particle.scale -= 0.01;
}
