#include <gtest/gtest.h>

#include <vector>

#include "engine/ScreenRect.h"

namespace {

TEST(ScreenRect, MergesWhatOverlapsOrCostsLessTogetherAndDropsEmpties) {
    struct Case {
        const char* what;
        std::vector<ScreenRect> rects;
        int64_t passCost;
        std::vector<ScreenRect> merged;
    };
    const Case cases[] = {
        {"apart and dear to join",
         {{0, 0, 10, 10}, {100, 100, 110, 110}},
         0,
         {{0, 0, 10, 10}, {100, 100, 110, 110}}},
        {"overlapping", {{0, 0, 10, 10}, {5, 5, 20, 20}}, 0, {{0, 0, 20, 20}}},
        {"a pass dearer than the gap", {{0, 0, 10, 10}, {12, 0, 20, 10}}, 50, {{0, 0, 20, 10}}},
        {"touching edges only", {{0, 0, 10, 10}, {10, 0, 20, 10}}, 0, {{0, 0, 20, 10}}},
        {"empties dropped", {{3, 3, 3, 9}, {0, 0, 4, 4}, {5, 5, 4, 9}}, 0, {{0, 0, 4, 4}}},
        {"a union reaching a third",
         {{0, 0, 10, 10}, {20, 0, 30, 10}, {12, 8, 18, 18}},
         200,
         {{0, 0, 30, 18}}},
    };
    for (const Case& c : cases) {
        std::vector<ScreenRect> rects = c.rects;
        MergeRects(rects, c.passCost);
        ASSERT_EQ(rects.size(), c.merged.size()) << c.what;
        for (size_t i = 0; i < rects.size(); ++i) {
            EXPECT_EQ(rects[i].x0, c.merged[i].x0) << c.what;
            EXPECT_EQ(rects[i].y0, c.merged[i].y0) << c.what;
            EXPECT_EQ(rects[i].x1, c.merged[i].x1) << c.what;
            EXPECT_EQ(rects[i].y1, c.merged[i].y1) << c.what;
        }
    }
}

}  // namespace
