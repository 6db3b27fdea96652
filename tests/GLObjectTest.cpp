#include <gtest/gtest.h>

#include "GLTestContext.h"
#include "TestDrawables.h"
#include "engine/GLObject.h"

namespace {

void DrawTimes(GLObject& object, int passes) {
    for (int i = 0; i < passes; ++i) StepAndDraw(object);
}

}  // namespace

using GLObjectTest = GLTestContext;

TEST_F(GLObjectTest, FlyInArrivesJustRightOfHomeWhileFadingIn) {
    ProbeObject object("o", 1, 2, 3);
    object.SetColour(1, 1, 1, 0.6);
    object.FlyIn();
    StepAndDraw(object);
    EXPECT_NEAR(object.position[0] - 1, 4.92, 0.01);
    EXPECT_NEAR(object.colour[3], 0.6 / 50, 1e-6);
    DrawTimes(object, 49);
    EXPECT_NEAR(object.colour[3], 0.6, 1e-6);
    DrawTimes(object, 140);
    EXPECT_NEAR(object.position[0] - 1, 0.007275, 1e-6);
    EXPECT_EQ(object.position[1], 2);
    EXPECT_NEAR(object.colour[3], 0.6, 1e-6);
    // One more pass drops the finished paths; the position stays where it ended.
    StepAndDraw(object);
    EXPECT_EQ(object.motionPath, nullptr);
    EXPECT_EQ(object.fadePath, nullptr);
    EXPECT_NEAR(object.position[0] - 1, 0.007275, 1e-6);
}

TEST_F(GLObjectTest, FlyOutHidesAfterFiftyPassesButKeepsMoving) {
    ProbeObject object("o", 0, 0, 0);
    object.FlyOut();
    DrawTimes(object, 49);
    EXPECT_EQ(object.drawn, 49);
    StepAndDraw(object);
    EXPECT_EQ(object.colour[3], 0);
    EXPECT_EQ(object.drawn, 50 - 1);  // alpha reached 0 this pass: not drawn
    const double before = object.position[0];
    DrawTimes(object, 140);
    EXPECT_EQ(object.drawn, 49);
    EXPECT_NE(object.position[0], before);
    EXPECT_NEAR(object.position[0], 0.87, 0.01);
}

TEST_F(GLObjectTest, FlyInAfterFlyOutRestartsBothCurves) {
    ProbeObject object("o", 0, 0, 0);
    object.FlyOut();
    DrawTimes(object, 20);
    object.FlyIn();
    StepAndDraw(object);
    EXPECT_NEAR(object.position[0], 4.92, 0.01);
    EXPECT_NEAR(object.colour[3], 1.0 / 50, 1e-6);
}

TEST_F(GLObjectTest, HiddenObjectHidesItsChildrenAndKeepsAnimating) {
    ProbeObject parent("p", 0, 0, 0), child("c", 0, 1, 0);
    parent.children.push_back(&child);
    parent.StartMotion(PathEnterFromLeft(), 90);
    parent.SetColour(1, 0, 0, 0);
    DrawTimes(parent, 90);
    EXPECT_EQ(parent.drawn, 0);
    EXPECT_EQ(child.drawn, 0);
    EXPECT_NEAR(parent.position[0], -0.0284, 1e-6);
}

TEST_F(GLObjectTest, ChildrenFollowTheMotionFromTheirOwnHome) {
    ProbeObject parent("p", 0, 0, 0), child("c", 2, 1, 0);
    parent.children.push_back(&child);
    parent.StartMotion(PathEnterFromLeft(), 90);
    ASSERT_NE(child.motionPath, nullptr);
    EXPECT_NE(child.motionPath.get(), parent.motionPath.get());
    DrawTimes(parent, 90);
    EXPECT_EQ(child.drawn, 90);
    EXPECT_NEAR(child.position[0], 2 - 0.0284, 1e-6);
    EXPECT_EQ(child.position[1], 1);
}

TEST_F(GLObjectTest, SpinStepsChildrenTwicePerPassWhileTheParentSpins) {
    ProbeObject parent("p", 0, 0, 0), child("c", 0, 0, 0), grandchild("g", 0, 0, 0);
    parent.children.push_back(&child);
    child.children.push_back(&grandchild);
    parent.StartSpin(100, 0, 3.6, 0);
    EXPECT_EQ(child.spinTicks, 1000);
    StepAndDraw(parent);
    EXPECT_NEAR(parent.rotation[1], 3.6, 1e-9);
    EXPECT_NEAR(child.rotation[1], 7.2, 1e-9);
    DrawTimes(parent, 99);
    EXPECT_NEAR(parent.rotation[1], 360, 1e-9);
    EXPECT_NEAR(child.rotation[1], 720, 1e-9);
    EXPECT_EQ(child.spinStep, 200);
    // The grandchild is stepped by the parent's pass, the child's chain and its own draw.
    EXPECT_EQ(grandchild.spinStep, 300);
    StepAndDraw(parent);
    EXPECT_NEAR(parent.rotation[1], 360, 1e-9);
    EXPECT_NEAR(child.rotation[1], 723.6, 1e-9);
    EXPECT_EQ(child.spinStep, 201);
}

TEST_F(GLObjectTest, ColourSettersAndResetToHome) {
    PlainObject object("o", 1, 2, 3);
    object.SetVertexColour(0.1, 0.2, 0.3, 0.4);
    EXPECT_TRUE(object.vertexColour);
    object.SetVertexColourRgb(0.5, 0.6, 0.7);
    EXPECT_EQ(object.baseColour[0], 0.5);
    EXPECT_EQ(object.colour[3], 0.4);
    object.SetColour(1, 1, 1, 1);
    EXPECT_FALSE(object.vertexColour);
    object.position[0] = 9;
    object.scale = 3;
    object.colour[3] = 0.2;
    object.ResetToHome();
    EXPECT_EQ(object.position[0], 1);
    EXPECT_EQ(object.scale, 1);
    EXPECT_EQ(object.colour[3], 1);
    EXPECT_TRUE(object.HitTest(1.4, 2.1));
    EXPECT_FALSE(object.HitTest(1.5, 2.1));
}

TEST_F(GLObjectTest, NullPathsAreIgnored) {
    PlainObject object("o", 0, 0, 0);
    object.StartMotion(PathEnterFromLeft(), 90);
    StepAndDraw(object);
    object.StartMotion(nullptr, 10);
    object.StartFade(nullptr, 10);
    EXPECT_EQ(object.motionTicks, 90);
    EXPECT_NE(object.motionPath, nullptr);
}

TEST_F(GLObjectTest, HighlightAnimatesAlwaysAndDrawsOnlyWhenHovered) {
    ProbeObject object("o", 0, 0, 0);
    auto owned = std::make_unique<ProbeObject>("h", 0, 0, 0);
    ProbeObject* highlight = owned.get();
    object.highlight = std::move(owned);
    const double bounds[6] = {-1, -2, -3, 1, 2, 3};
    std::copy(bounds, bounds + 6, object.bounds);
    highlight->StartSpin(10, 1, 0, 0);
    StepAndDraw(object);
    EXPECT_EQ(highlight->drawn, 0);
    EXPECT_EQ(highlight->rotation[0], 1);
    object.hovered = true;
    StepAndDraw(object);
    EXPECT_EQ(highlight->drawn, 1);
    EXPECT_EQ(highlight->bounds[4], 2);
    // Stepped once with the owner's motion and once as a drawn part.
    EXPECT_EQ(highlight->rotation[0], 3);
}

TEST_F(GLObjectTest, FindObjectInReturnsFirstExactMatch) {
    PlainObject a("txt 1", 0, 0, 0), b("txt 1", 0, 0, 0), c("txt", 0, 0, 0);
    std::vector<GLObject*> list = {&c, &a, &b};
    EXPECT_EQ(FindObjectIn(list, "txt 1"), &a);
    EXPECT_EQ(FindObjectIn(list, "txt 2"), nullptr);
}

TEST_F(GLObjectTest, SubclassesKeepTheirExtents) {
    GLObjectCube cube("c", 0, 0, 0, 1, 2, 3);
    EXPECT_EQ(cube.homeSize[2], 3);
    GLObjectBoundingCube box("b", 1, 1, 1, 3, 5, 7);
    EXPECT_EQ(box.bounds[4], 5);
    EXPECT_EQ(box.position[1], 2);
    GLObjectPlaneGradient gradient("g", 0, 0, 0, 4, 5, 6);
    EXPECT_EQ(gradient.size[1], 5);
    // Degenerate planes draw nothing instead of looping forever.
    GLObjectPlane plane("p", 0, 0, 0, 0, 2, 2, 0);
    StepAndDraw(plane);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
