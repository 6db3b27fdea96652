// Text lists: layout of lines and arrows, selection, the 40-pass scrolls with their alpha
// hand-over, the guards while scrolling or moving, and the double-speed fades of lines and arrows.
#include <gtest/gtest.h>

#include "GLTestContext.h"
#include "TestDrawables.h"
#include "engine/GLObjectTextList.h"

namespace {

class TextListTest : public GLTestContext {
protected:
    // A list at (0.5, 1, 0) whose arrow files do not exist (the arrows stay empty models).
    std::unique_ptr<GLObjectTextList> MakeList(int lineCount, int visible) {
        auto list =
            std::make_unique<GLObjectTextList>("list", visible, "data/up.ms3d", "data/down.ms3d", 0.5, 1, 0);
        for (int i = 0; i < lineCount; ++i) {
            std::u16string text = u"line ";
            text.push_back(static_cast<char16_t>(u'0' + i));
            list->AddLine(text, "l" + std::to_string(i), i != 2);
        }
        return list;
    }
};

TEST_F(TextListTest, LinesAndArrowsAreLaidOut) {
    auto list = MakeList(6, 4);
    ASSERT_EQ(list->lines.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        GLObjectText* line = list->lines[i];
        EXPECT_DOUBLE_EQ(line->position[1], 1 - 0.4 * i);
        EXPECT_DOUBLE_EQ(line->position[0], 0.5);
        EXPECT_EQ(line->colour[3], i < 4 ? 1.0 : 0.0) << i;
        EXPECT_EQ(line->baseColour[3], i < 4 ? 1.0 : 0.0) << i;
        EXPECT_TRUE(line->vertexColour);
    }
    EXPECT_FALSE(list->lines[2]->visible);
    EXPECT_EQ(list->lines[2]->colour[0], 0.2);
    EXPECT_EQ(list->lines[1]->colour[0], 0.7);

    // Bounds: the four shown lines, shifted by the list's home position.
    double maxX = -1000;
    for (int i = 0; i < 4; ++i) maxX = std::max(maxX, list->lines[i]->bounds[3] + 0.5);
    EXPECT_DOUBLE_EQ(list->bounds[3], maxX);
    EXPECT_DOUBLE_EQ(list->bounds[4], 1 + 0.22 + 1);
    EXPECT_DOUBLE_EQ(list->bounds[1], 1 - 1.2 - 0.22 + 1);
    EXPECT_EQ(list->bounds[2], -0.5);
    EXPECT_EQ(list->bounds[5], 0.5);

    GLObject* up = FindObjectIn(list->children, "arrowup");
    GLObject* down = FindObjectIn(list->children, "arrowdown");
    ASSERT_NE(up, nullptr);
    ASSERT_NE(down, nullptr);
    EXPECT_DOUBLE_EQ(up->position[0], maxX + 0.25);
    EXPECT_DOUBLE_EQ(up->homePosition[0], maxX + 0.25);
    EXPECT_DOUBLE_EQ(up->position[1], 1.4);
    EXPECT_DOUBLE_EQ(down->position[0], maxX + 0.25);
    EXPECT_DOUBLE_EQ(down->position[1], list->bounds[1]);
    EXPECT_DOUBLE_EQ(down->homePosition[1], list->bounds[1]);
    ASSERT_NE(up->highlight, nullptr);
    EXPECT_FALSE(up->highlight->depthTest);
    EXPECT_EQ(up->highlight->colour[3], 0.4);

    list->ClearLines();
    EXPECT_TRUE(list->lines.empty());
    list->AddLine(u"x", "x", true);
    EXPECT_DOUBLE_EQ(list->lines[0]->position[1], 1);
    EXPECT_LT(list->bounds[3], maxX) << "a refilled list fits its new, shorter lines";
}

TEST_F(TextListTest, SelectNextScrollsAfterTheSecondLine) {
    auto list = MakeList(10, 4);
    EXPECT_TRUE(list->SelectNext());
    EXPECT_EQ(list->selected, 1);
    EXPECT_FALSE(list->scrollingDown);
    EXPECT_EQ(list->lines[1]->spinIncrement[0], 1);
    EXPECT_EQ(list->lines[1]->colour[0], 0.8);
    EXPECT_EQ(list->lines[0]->colour[0], 0.7);

    EXPECT_TRUE(list->SelectNext());
    EXPECT_EQ(list->selected, 2);
    EXPECT_TRUE(list->scrollingDown);
    EXPECT_EQ(list->lines[2]->colour[0], 0.25) << "the selected line is disabled";

    EXPECT_FALSE(list->SelectNext());
    EXPECT_FALSE(list->SelectPrevious());
    EXPECT_EQ(list->selected, 2);

    const double y0 = list->lines[0]->position[1];
    int passes = 0;
    while (list->scrollingDown && passes < 100) {
        StepAndDraw(*list);
        ++passes;
        if (passes == 20) {
            EXPECT_NEAR(list->lines[0]->colour[3], 1 - 20 * 0.03, 1e-9);
            EXPECT_NEAR(list->lines[4]->colour[3], 20 * 0.03, 1e-9);
        }
    }
    EXPECT_EQ(passes, 40);
    EXPECT_EQ(list->firstVisible, 1);
    EXPECT_EQ(list->lines[0]->colour[3], 0);
    EXPECT_EQ(list->lines[4]->colour[3], 1);
    EXPECT_EQ(list->lines[4]->baseColour[3], 1);
    EXPECT_NEAR(list->lines[0]->position[1] - y0, 0.4, 1e-9);
    EXPECT_TRUE(list->SelectNext());
}

TEST_F(TextListTest, SelectPreviousScrollsBackUp) {
    auto list = MakeList(10, 4);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(list->SelectNext());
        for (int pass = 0; pass < 40; ++pass) StepAndDraw(*list);
    }
    ASSERT_EQ(list->selected, 3);
    ASSERT_EQ(list->firstVisible, 2);
    EXPECT_TRUE(list->SelectPrevious());
    EXPECT_EQ(list->selected, 2);
    EXPECT_TRUE(list->scrollingUp);
    int passes = 0;
    while (list->scrollingUp && passes < 100) {
        StepAndDraw(*list);
        ++passes;
    }
    EXPECT_EQ(passes, 40);
    EXPECT_EQ(list->firstVisible, 1);
    EXPECT_EQ(list->lines[1]->colour[3], 1);
    EXPECT_EQ(list->lines[5]->colour[3], 0);
}

TEST_F(TextListTest, SelectionEdgesAndGuards) {
    auto list = MakeList(3, 4);
    EXPECT_TRUE(list->SelectPrevious());
    EXPECT_EQ(list->selected, 0);
    list->Select(7);
    EXPECT_EQ(list->selected, 0);
    list->Select(2);
    EXPECT_EQ(list->selected, 2);
    EXPECT_EQ(list->lines[2]->spinTicks, 100000);
    EXPECT_TRUE(list->SelectNext());
    EXPECT_EQ(list->selected, 2) << "the last line stays selected";
    EXPECT_FALSE(list->scrollingDown) << "all lines are shown: nothing to scroll";

    list->FlyIn();
    EXPECT_FALSE(list->SelectNext()) << "refused while the list moves";
    EXPECT_FALSE(list->SelectPrevious());
}

TEST_F(TextListTest, LinesAndArrowsFadeTwiceAsFast) {
    auto list = MakeList(3, 4);
    list->FlyOut();
    GLObject* up = FindObjectIn(list->children, "arrowup");
    for (int pass = 0; pass < 14; ++pass) StepAndDraw(*list);
    EXPECT_GT(list->lines[0]->colour[3], 0);
    EXPECT_GT(up->colour[3], 0);
    StepAndDraw(*list);
    EXPECT_EQ(list->lines[0]->colour[3], 0);
    EXPECT_EQ(up->colour[3], 0);
    EXPECT_EQ(list->colour[3], 1) << "the list itself keeps drawing its lines";
    EXPECT_GT(list->position[0], 0.5);

    list->FlyIn();
    for (int pass = 0; pass < 25; ++pass) StepAndDraw(*list);
    EXPECT_NEAR(list->lines[1]->colour[3], 1, 1e-9);
    EXPECT_NEAR(up->colour[3], 1, 1e-9);
}

}  // namespace
