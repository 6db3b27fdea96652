// Test fixtures for code that draws: a headless window on SDL's offscreen driver with a GL
// context current, optionally the game's scene (which creates the context itself), and pixel
// read-back in window coordinates (origin top left, like the cursor).
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "engine/GLScene.h"
#include "engine/TextureTable.h"
#include "platform/Platform.h"

class GLTestContext : public ::testing::Test {
protected:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 384;

    void SetUp() override { OpenWindow(true); }

    void TearDown() override {
        ResetTextureTable();
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
        clickPending = false;
    }

    void TearDown() override {
        platform::MakeContextCurrent();
        ResetTextureTable();
        delete scene;
        scene = nullptr;
        platform::Stop();
    }
};
