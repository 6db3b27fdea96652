// Test fixtures for code that draws: a headless window on SDL's offscreen driver with a GL
// context current, optionally the game's scene (which creates the context itself), and pixel
// read-back in window coordinates (origin top left, like the cursor).
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "engine/GLScene.h"
#include "engine/TextureTable.h"
#include "platform/Platform.h"
#include "tests/hooks/Headless.h"

class GLTestContext : public ::testing::Test {
protected:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 384;

    void SetUp() override { OpenWindow(true); }

    void TearDown() override {
        textures.Reset();
        platform::DestroyGLContext();
        platform::Stop();
    }

    // The window, and a context unless the caller leaves that to a GLScene.
    void OpenWindow(bool withContext) {
        platform::headless::Enable();
        ASSERT_TRUE(platform::Start());
        ASSERT_TRUE(platform::OpenWindow(0, 0, kWidth, kHeight));
        if (withContext) {
            ASSERT_EQ(platform::CreateGLContext(), platform::ContextResult::Ok);
            ASSERT_TRUE(platform::MakeContextCurrent());
        }
    }

    // Clears the frame to (r, g, b) and sets the game's view of a width x height window: 45 degrees
    // of perspective, the origin 6 units in front.
    static void BeginGameView(int width = kWidth, int height = kHeight, float r = 0, float g = 0,
                              float b = 0) {
        glViewport(0, 0, width, height);
        glClearColor(r, g, b, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45, static_cast<double>(width) / height, 0.1, 100);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(0, 0, -6);
    }

    // Lighting on with light 0 alone: its ambient and diffuse colours and its place (w 0: a
    // direction).
    static void Light0(const GLfloat ambient[4], const GLfloat diffuse[4], const GLfloat place[4]) {
        glEnable(GL_LIGHTING);
        glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
        glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
        glLightfv(GL_LIGHT0, GL_POSITION, place);
        glEnable(GL_LIGHT0);
    }

    // Lighting on with one white light (ambient and diffuse) at (x, y, z).
    static void WhiteLight(float x, float y, float z) {
        const GLfloat white[4] = {1, 1, 1, 1}, place[4] = {x, y, z, 1};
        Light0(white, white, place);
    }

    // A texture table of the test's own, for tests without a scene.
    TextureTable textures;

    // RGB of the pixel at (x, y) of the last frame drawn, y counted down from the top.
    static std::array<int, 3> ReadPixel(int x, int y) {
        platform::MakeContextCurrent();
        uint8_t rgba[4] = {0, 0, 0, 0};
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, kHeight - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return {rgba[0], rgba[1], rgba[2]};
    }
};

// The game's scene in the window, viewed as the game views it: from 6 units in front of the origin.
class GLSceneTest : public GLTestContext {
protected:
    void SetUp() override {
        OpenWindow(false);
        scene = new GLScene(kWidth, kHeight, 0, 0, 0);
        scene->viewTranslation[2] = -6;
        ASSERT_TRUE(scene->contextReady);
        platform::MakeContextCurrent();
    }

    void TearDown() override {
        platform::MakeContextCurrent();
        scene->textures.Reset();
        delete scene;
        scene = nullptr;
        platform::Stop();
    }

    GLScene* scene = nullptr;  // the test's own, made by SetUp
};
