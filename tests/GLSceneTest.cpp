#include <gtest/gtest.h>

#include <memory>

#include "GLTestContext.h"
#include "TestDrawables.h"
#include "engine/GLObjectText.h"
#include "engine/GLScene.h"
#include "tests/hooks/Headless.h"

namespace {

// Counts its own destruction.
class FreedProbe : public PlainObject {
public:
    FreedProbe(const std::string& name, int& freed) : PlainObject(name, 0, 0, 0), freed(freed) {}
    ~FreedProbe() override { ++freed; }
    int& freed;
};

// A slow draw: the clock moves on while it is drawn.
class SlowObject : public PlainObject {
public:
    using PlainObject::PlainObject;

protected:
    void DrawGeometry(const DrawPass&, const Pose&) const override { platform::headless::AdvanceClockMs(6); }
};

}  // namespace

TEST_F(GLSceneTest, ACaretBlinkFallingDueWhileTheFrameDrawsIsShownByThatFrame) {
    scene->Add(std::make_unique<SlowObject>("slow", 0, 0, 0));
    auto* text = scene->Add(std::make_unique<GLObjectText>("t", u"ana", 0, 0, 0));
    text->SetActive(true);
    int blinks = 0;
    // 5 ms a frame and 6 while the slow object draws (frames not drawn do not draw it): blinks
    // fall due before and during frames.
    for (int frame = 0; frame < 800; ++frame) {
        const bool caretBefore = text->caretOn;
        platform::headless::AdvanceClockMs(5);
        scene->Render();
        if (text->caretOn == caretBefore) continue;
        ++blinks;
        EXPECT_TRUE(scene->lastFrameDrawn) << "frame " << frame;
    }
    EXPECT_GT(blinks, 5);
}

// A tick behind the clock steps like a drawn one (twice for a mirrored object, the reflection
// keeping the pose between) and draws nothing; the backdrop is never mirrored.
TEST_F(GLSceneTest, TicksStepOnceOrTwiceAndOnlyShownTicksDraw) {
    struct Case {
        bool mirrored;
        const char* key;
        bool shown;
        int steps;
    };
    const Case cases[] = {{false, "o", false, 5},
                          {false, "o", true, 5},
                          {true, "o", false, 10},
                          {true, "o", true, 10},
                          {true, key::kBackdrop, true, 5}};
    for (const Case& c : cases) {
        auto* probe = scene->Add(std::make_unique<ProbeObject>(c.key, 0, 0, 0));
        probe->StartSpin(1000, 1, 0, 0);
        scene->reflectionOff = !c.mirrored;
        scene->skipUnchangedFrames = false;
        for (int tick = 0; tick < 5; ++tick) scene->Render(c.shown);
        SCOPED_TRACE(std::string(c.key) + (c.mirrored ? " mirrored" : "") + (c.shown ? " shown" : ""));
        EXPECT_EQ(probe->spinStep, c.steps);
        if (c.mirrored && c.steps == 10) {
            EXPECT_EQ(probe->mirrorPose.rotation[0], 9);
        }
        const int drawsPerTick = c.mirrored && c.steps == 10 ? 2 : 1;
        EXPECT_EQ(probe->drawn, c.shown ? 5 * drawsPerTick : 0);
        probe->visible = false;
    }
}

TEST_F(GLSceneTest, EventsWithEqualDelayArriveOnConsecutivePolls) {
    scene->PostEvent("first", 80);
    scene->PostEvent("second", 80);
    for (int poll = 1; poll < 80; ++poll) ASSERT_EQ(scene->PollEvent(), "") << poll;
    EXPECT_EQ(scene->PollEvent(), "first");
    // The first delivery stopped the walk, so the second is one tick behind.
    EXPECT_EQ(scene->PollEvent(), "second");
    EXPECT_TRUE(scene->events.empty());
}

TEST_F(GLSceneTest, EventsWithoutPositiveDelayNeverFallDue) {
    scene->PostEvent("never", 0);
    scene->PostEvent("negative", -3);
    scene->PostEvent("later", 5);
    std::vector<std::string> delivered;
    for (int poll = 0; poll < 1000; ++poll) {
        std::string name = scene->PollEvent();
        if (!name.empty()) delivered.push_back(name);
    }
    EXPECT_EQ(delivered, std::vector<std::string>{"later"});
    EXPECT_EQ(scene->events.size(), 2u);
}

TEST_F(GLSceneTest, OwnsWhatItIsGivenAndFreesItWhenItGoes) {
    int freed = 0;
    FreedProbe* object = scene->Add(std::make_unique<FreedProbe>("object", freed));
    FreedProbe* light = scene->AddLight(std::make_unique<FreedProbe>("light", freed));
    EXPECT_EQ(scene->objects, std::vector<GLObject*>{object});
    EXPECT_EQ(scene->lights, std::vector<GLObject*>{light});
    delete scene;
    EXPECT_EQ(freed, 2);
    scene = new GLScene(kWidth, kHeight, 0, 0, 0);  // for the fixture to take down
}

TEST_F(GLSceneTest, FindObjectMatchesWholeKeyOnly) {
    PlainObject child("child", 0, 0, 0);
    GLObject* a = scene->Add(std::make_unique<PlainObject>("main menu", 0, 0, 0));
    GLObject* b = scene->Add(std::make_unique<PlainObject>("main", 0, 0, 0));
    a->children.push_back(&child);
    EXPECT_EQ(scene->FindObject("main"), b);
    EXPECT_EQ(scene->FindObject("main menu"), a);
    EXPECT_EQ(scene->FindObject("Main"), nullptr);
    EXPECT_EQ(scene->FindObject("child"), nullptr);  // children are not searched
}

// The view sees 2 * 6 * tan(22.5°) = 4.97 units over the 384 pixel rows at z = 0: 77.25 pixels a
// unit, centre (320, 192).
TEST_F(GLSceneTest, HoverUsesProjectedBoundsWithStrictEdges) {
    auto* box = scene->Add(std::make_unique<ProbeObject>("box", 0, 0, 0));
    const double bounds[6] = {-0.5, 0.5, 0, 0.5, 1.0, 0};  // 38.6 to 77.25 pixels above the centre
    std::copy(bounds, bounds + 6, box->bounds);
    ProbeObject child("child", 0, 0, 0);  // held here, as a list holds its arrows
    std::copy(bounds, bounds + 6, child.bounds);
    box->children.push_back(&child);

    struct Case {
        int x, y;
        bool hovered;
    };
    // Columns 281.4..358.6; rows 114.75..153.4 from the top (y above the centre is up).
    const Case cases[] = {{320, 130, true},  {282, 130, true}, {281, 130, false}, {358, 130, true},
                          {359, 130, false}, {320, 115, true}, {320, 114, false}, {320, 153, true},
                          {320, 154, false}, {320, 254, false}};
    for (const Case& c : cases) {
        platform::headless::SetCursor(c.x, c.y);
        scene->Render();
        EXPECT_EQ(scene->cursorX, c.x);
        EXPECT_EQ(box->hovered, c.hovered) << c.x << "," << c.y;
        EXPECT_EQ(child.hovered, c.hovered) << "child " << c.x << "," << c.y;
    }
}

TEST_F(GLSceneTest, InvisibleObjectsKeepTheirHoverAndAreNotDrawn) {
    auto* box = scene->Add(std::make_unique<ProbeObject>("box", 0, 0, 0));
    const double bounds[6] = {-1, -1, 0, 1, 1, 0};
    std::copy(bounds, bounds + 6, box->bounds);
    platform::headless::SetCursor(320, 192);
    scene->Render();
    ASSERT_TRUE(box->hovered);
    box->visible = false;
    platform::headless::SetCursor(5, 5);
    scene->Render();
    EXPECT_TRUE(box->hovered);
    EXPECT_EQ(box->drawn, 1);
}

TEST_F(GLSceneTest, SetClickedOnlyInTheFrameAfterAClick) {
    auto* under = scene->Add(std::make_unique<ProbeObject>("under", 0, 0, 0));
    auto* away = scene->Add(std::make_unique<ProbeObject>("away", 0, 0, 0));
    auto* hidden = scene->Add(std::make_unique<ProbeObject>("hidden", 0, 0, 0));
    const double bounds[6] = {-1, -1, 0, 1, 1, 0};
    std::copy(bounds, bounds + 6, under->bounds);
    std::copy(bounds, bounds + 6, hidden->bounds);
    hidden->visible = false;
    platform::headless::SetCursor(320, 192);

    scene->Render();
    EXPECT_TRUE(under->clickCalls.empty());
    scene->clickPending = true;
    scene->Render();
    EXPECT_FALSE(scene->clickPending);
    EXPECT_EQ(under->clickCalls, std::vector<bool>{true});
    EXPECT_EQ(away->clickCalls, std::vector<bool>{false});
    EXPECT_TRUE(hidden->clickCalls.empty());
    EXPECT_TRUE(under->clicked);
    scene->Render();
    EXPECT_EQ(under->clickCalls.size(), 1u);
}

TEST_F(GLSceneTest, MirrorModeDrawsEverythingTwiceExceptTheObjectKeyedW) {
    auto* w = scene->Add(std::make_unique<ProbeObject>("w", 0, 0, 0));
    auto* wx = scene->Add(std::make_unique<ProbeObject>("wx", 0, 0, 0));
    auto* hidden = scene->Add(std::make_unique<ProbeObject>("hidden", 0, 0, 0));
    hidden->visible = false;
    wx->StartMotion(PathEnterFromLeft(), 90);
    scene->reflectionOff = false;
    scene->Render();
    EXPECT_EQ(w->drawn, 1);
    EXPECT_EQ(wx->drawn, 2);
    EXPECT_EQ(hidden->drawn, 0);
    // Two motion ticks per frame: a 90-tick motion is over after 45 frames.
    for (int frame = 1; frame < 45; ++frame) scene->Render();
    EXPECT_EQ(wx->motionStep, 90);
    EXPECT_NEAR(wx->position[0], -0.0284, 1e-6);

    scene->reflectionOff = true;
    scene->Render();
    EXPECT_EQ(w->drawn, 46);
    EXPECT_EQ(wx->drawn, 91);
}

TEST_F(GLSceneTest, FailedMakeCurrentIsReportedAndFrameSkipped) {
    auto* box = scene->Add(std::make_unique<ProbeObject>("box", 0, 0, 0));
    platform::DestroyGLContext();
    platform::headless::ClearRecords();
    scene->Render();
    scene->Render();
    EXPECT_EQ(box->drawn, 0);
    // Told once, in words a player can act on, whatever the ticks that follow.
    ASSERT_EQ(platform::headless::Messages().size(), 1u);
    const std::string& told = platform::headless::Messages()[0];
    EXPECT_EQ(told.rfind("lexaDRILL cannot draw its picture: its OpenGL context cannot be made current", 0),
              0u)
        << told;
    EXPECT_NE(told.find("libgl1-mesa-dri"), std::string::npos) << told;
    EXPECT_EQ(platform::headless::MessageKinds()[0], platform::MessageKind::Error);
    scene->contextReady = false;  // nothing left to destroy
}
