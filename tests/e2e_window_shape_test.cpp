// The play window in shapes other than the designed 5:3, as a player makes them (snapped to half
// the screen, a portrait screen, a wide strip): every object of the test screen that lands inside
// the designed window lands inside these too, its real bounds projected as the hover pass projects
// them, so no counter, clock, score, cross or arrow is cut off.
#include <algorithm>
#include <string>
#include <vector>

#include "learning/TestRun.h"
#include "tests/GameHarness.h"

namespace {

struct Shape {
    int width, height;
};

class WindowShapeTest : public GameTest {
protected:
    // The window rectangle an object's bounds project to; false when it is off every side.
    bool Inside(const GLObject* object, int width, int height, std::string& where) {
        const WindowPoint a =
            gamedriver::ProjectedPoint(Scene(), object->bounds[0], object->bounds[1], object->position[2]);
        const WindowPoint b =
            gamedriver::ProjectedPoint(Scene(), object->bounds[3], object->bounds[4], object->position[2]);
        where = "(" + std::to_string(a.x) + ", " + std::to_string(a.y) + ") to (" + std::to_string(b.x) +
                ", " + std::to_string(b.y) + ") in " + std::to_string(width) + " x " + std::to_string(height);
        return std::min(a.x, b.x) >= 0 && std::max(a.x, b.x) <= width && std::min(a.y, b.y) >= 0 &&
               std::max(a.y, b.y) <= height;
    }

    // The visible objects with bounds of their own (the backdrop and the floor are larger than any
    // window by design).
    std::vector<const GLObject*> Shown() {
        std::vector<const GLObject*> shown;
        for (const GLObject* object : Scene().objects) {
            if (object->visible && object->bounds[3] > object->bounds[0]) shown.push_back(object);
        }
        return shown;
    }
};

}  // namespace

TEST_F(WindowShapeTest, EveryObjectOfTheTestScreenStaysInAnyWindowShape) {
    LoadToUserName();
    EnterName(u"ana");
    StartTestOf(0);
    for (const char* key : {"txt 1", "przerwij", "arrownext", "dobre odp", "czas", "wynik", "score_board"})
        WaitUntilStill(key);

    const Shape designed{Scene().width, Scene().height};
    std::vector<const GLObject*> inDesign;
    for (const GLObject* object : Shown()) {
        std::string where;
        if (Inside(object, designed.width, designed.height, where)) inDesign.push_back(object);
    }
    // The counters, the clock, the score, the cross and the arrow among them.
    ASSERT_GE(inDesign.size(), 8u);

    for (const Shape shape :
         {Shape{720, 1280}, Shape{958, 574}, Shape{960, 1050}, Shape{3440, 900}, Shape{2560, 600}}) {
        Scene().Resize(shape.width, shape.height);
        RunTicks(1);
        for (const GLObject* object : inDesign) {
            std::string where;
            EXPECT_TRUE(Inside(object, shape.width, shape.height, where)) << object->name << " at " << where;
        }
    }
    Scene().Resize(designed.width, designed.height);
    RunTicks(1);
    EXPECT_EQ(Screen(), ScreenId::Test);
}
