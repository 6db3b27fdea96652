#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "GLTestContext.h"
#include "engine/GLParticleSystem.h"

TEST_F(GLSceneTest, ExplosionHidesAfterDurationPlusOnePasses) {
    auto* explosion =
        scene->Add(std::make_unique<GLParticleSystemSimpleExplosion>(100, "explode", 20, 0, 0, -2));
    EXPECT_EQ(explosion->particles.size(), 20u);
    EXPECT_EQ(explosion->duration, 100);
    for (int frame = 0; frame < 100; ++frame) scene->Render();
    EXPECT_TRUE(explosion->visible);
    // From alpha 1, 0.05 a pass: gone long before.
    EXPECT_LT(explosion->particles[0]->colour[3], 0);
    scene->Render();
    EXPECT_FALSE(explosion->visible);
    EXPECT_EQ(explosion->passCount, 101);

    // Restart fires it again; in mirror mode it is drawn twice a frame, so 51 frames do.
    explosion->Restart();
    explosion->visible = true;
    EXPECT_EQ(explosion->particles[3]->colour[3], 1);
    EXPECT_EQ(explosion->particles[3]->position[2], -2);
    scene->reflectionOff = false;
    for (int frame = 0; frame < 50; ++frame) scene->Render();
    EXPECT_TRUE(explosion->visible);
    scene->Render();
    EXPECT_FALSE(explosion->visible);
}

TEST(GLParticleSystem, VelocitiesAreThousandthsWithinRange) {
    GLParticleSystem fountain(500, "fountain", 10, 1, 2, 3);
    bool sawLow = false, sawHigh = false;
    for (const auto& particle : fountain.particles) {
        EXPECT_EQ(particle->homePosition[1], 2);
        for (double v : particle->velocity) {
            ASSERT_GE(v, -0.1 - 1e-12);
            ASSERT_LE(v, 0.099 + 1e-12);
            EXPECT_NEAR(v * 1000, std::round(v * 1000), 1e-6);
            sawLow |= v < -0.09;
            sawHigh |= v > 0.09;
        }
    }
    EXPECT_TRUE(sawLow && sawHigh);
}

TEST(GLParticleSystem, SetColourColoursEveryParticleAndTheSystem) {
    GLParticleSystemSimpleExplosion explosion(100, "bonus2", 4, 0, 0, 0.5);
    explosion.SetColour(1, 1, 0, 1);
    for (const auto& particle : explosion.particles) {
        EXPECT_EQ(particle->colour[2], 0);
        EXPECT_EQ(particle->baseColour[0], 1);
    }
    EXPECT_EQ(explosion.colour[2], 0);
}

TEST(GLParticleSystem, ExplosionParticlesFlyApartAndFade) {
    GLParticleSystemSimpleExplosion explosion(100, "explode", 1, 0, 0, 0);
    Particle& particle = *explosion.particles[0];
    const double vx = particle.velocity[0];
    for (int i = 0; i < 20; ++i) explosion.Emit(0);
    EXPECT_NEAR(particle.position[0], 20 * vx, 1e-9);
    EXPECT_NEAR(particle.colour[3], 0, 1e-9);
    EXPECT_NEAR(particle.scale, 0.8, 1e-9);
}

TEST(GLParticleSystem, FountainReemitsAtTheEmitterWithScaleFour) {
    GLParticleSystem fountain(1, "fountain", 1000, 0, 0, 0);
    fountain.position[1] = 5;  // the emitter has moved since construction
    Particle& particle = *fountain.particles[0];
    particle.colour[3] = 0.015;
    fountain.Emit(0);
    EXPECT_NEAR(particle.colour[3], 0.005, 1e-9);
    fountain.Emit(0);
    EXPECT_EQ(particle.scale, 4);
    EXPECT_EQ(particle.position[1], 5);
    EXPECT_GE(particle.colour[3], 0);
    EXPECT_LT(particle.colour[3], 1);
    EXPECT_GE(particle.velocity[1], 0);
    EXPECT_LE(particle.velocity[1], 0.05);
    EXPECT_GE(particle.velocity[0], -0.025);
    EXPECT_LT(particle.velocity[0], 0.025);
}
