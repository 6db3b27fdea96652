// Particle systems: a fixed set of billboard sprites moved, faded and shrunk every pass. The
// fountain re-emits dead particles; the explosion flies apart once. A system hides itself after
// `duration` + 1 passes; Restart() fires it again.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/GLObject.h"

class GLParticleSystem : public GLObject {
public:
    GLParticleSystem(int count, const std::string& name, int duration, double x, double y, double z);
    void SetColour(double r, double g, double b, double a) override;
    void DrawGeometry() override;
    bool OpaqueFragments() const override { return false; }  // sprites carry their own alphas
    void AppendLook(FrameLook& look) const override { look.MarkChanging(); }  // they move every pass
    virtual void Emit(int index);  // advances particle `index` by one pass (fountain)
    void Restart();

    int duration;
    int passCount = 0;
    std::vector<std::unique_ptr<GLObject>> particles;
};

class GLParticleSystemSimpleExplosion : public GLParticleSystem {
public:
    GLParticleSystemSimpleExplosion(int duration, const std::string& name, int count, double x, double y,
                                    double z);
    void Emit(int index) override;
};
