// Particle systems: a fixed set of billboard sprites moved, faded and shrunk every step. The
// fountain re-emits dead particles; the explosion flies apart once. A system hides itself after
// `duration` + 1 steps; Restart() fires it again.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/GLObject.h"

// One sprite: where it is, where it goes each step, its colour and size.
struct Particle {
    double position[3];
    double homePosition[3];
    double velocity[3] = {0, 0, 0};
    double colour[4] = {1, 1, 1, 1};
    double baseColour[4] = {1, 1, 1, 1};
    double scale = 1;

    void ResetToHome();
};

class GLParticleSystem : public GLObject {
public:
    GLParticleSystem(int count, const std::string& name, int duration, double x, double y, double z);
    void SetColour(double r, double g, double b, double a) override;
    bool GeometryBox(const Pose& pose, double box[6]) const override;
    using GLObject::OpaqueFragments;
    bool OpaqueFragments(const TextureTable*, double) const override { return false; }  // sprites: own alphas
    void AppendLook(FrameLook& look) const override { look.MarkChanging(); }  // they move every step
    void KeepMirrorPose() override;
    virtual void Emit(int index);  // advances particle `index` by one step (fountain)
    void Restart();

    int duration;
    int passCount = 0;
    std::vector<std::unique_ptr<Particle>> particles;

protected:
    void StepContent(uint32_t clockMs) override;
    void DrawGeometry(const DrawPass& pass, const Pose& pose) const override;

private:
    std::vector<Particle> mirrorParticles;
};

class GLParticleSystemSimpleExplosion : public GLParticleSystem {
public:
    GLParticleSystemSimpleExplosion(int duration, const std::string& name, int count, double x, double y,
                                    double z);
    void Emit(int index) override;
};
