// See GameDriver.h.
#include "tests/GameDriver.h"

#include <GL/glu.h>

#include <cmath>
#include <filesystem>

#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "platform/Platform.h"
#include "tests/hooks/Headless.h"

namespace fs = std::filesystem;

namespace gamedriver {

namespace {

void CopyContent(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    if (!fs::exists(from)) return;
    for (const auto& entry : fs::recursive_directory_iterator(from)) {
        const std::string name = entry.path().filename().string();
        if (name == "hof.hof" || (name.size() >= 8 && name.compare(name.size() - 8, 8, "_rep.dat") == 0))
            continue;
        const fs::path target = to / fs::relative(entry.path(), from);
        if (entry.is_directory()) {
            fs::create_directories(target);
        } else {
            fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing);
        }
    }
}

// The view the hover pass projects with: the scene's view rotation (always zero in this game)
// and translation, and the perspective of Render() for the window's shape.
void ViewMatrices(const GLScene& scene, double modelView[16], double projection[16]) {
    for (int i = 0; i < 16; ++i) modelView[i] = projection[i] = 0.0;
    modelView[0] = modelView[5] = modelView[10] = modelView[15] = 1.0;
    modelView[12] = scene.viewTranslation[0];
    modelView[13] = scene.viewTranslation[1];
    modelView[14] = scene.viewTranslation[2];

    const double nearPlane = 0.1, farPlane = 100.0;
    const double aspect = static_cast<double>(scene.width) / scene.height;
    const double f = 1.0 / std::tan(ViewFieldOfViewY(scene.width, scene.height) / 2.0 * M_PI / 180.0);
    projection[0] = f / aspect;
    projection[5] = f;
    projection[10] = (farPlane + nearPlane) / (nearPlane - farPlane);
    projection[11] = -1.0;
    projection[14] = 2.0 * farPlane * nearPlane / (nearPlane - farPlane);
}

}  // namespace

void LayOutGameFolder(const std::string& buildDir, const std::string& folder) {
    CopyContent(fs::path(buildDir) / "data", fs::path(folder) / "data");
    CopyContent(fs::path(buildDir) / "gfx", fs::path(folder) / "gfx");
}

namespace {

// The middle of the window rectangle a box (at depth z) projects to, and whether it holds a pixel.
bool BoxHoverPoint(const GLScene& scene, const double* box, double z, WindowPoint& point) {
    double modelView[16], projection[16];
    ViewMatrices(scene, modelView, projection);
    const GLint viewport[4] = {0, 0, scene.width, scene.height};
    // The hover pass negates y so that window y grows downwards like the cursor's.
    double ax, ay, az, bx, by, bz;
    gluProject(box[0], -box[1], z, modelView, projection, viewport, &ax, &ay, &az);
    gluProject(box[3], -box[4], z, modelView, projection, viewport, &bx, &by, &bz);
    point.x = static_cast<int>(std::lround((ax + bx) / 2));
    point.y = static_cast<int>(std::lround((ay + by) / 2));
    // The hover test is strict on every side: the point must lie inside, not on an edge.
    return bx > point.x && point.x > ax && by < point.y && point.y < ay;
}

}  // namespace

bool HoverPoint(const GLScene& scene, const GLObject* object, WindowPoint& point) {
    return BoxHoverPoint(scene, object->bounds, object->position[2], point);
}

bool LineHoverPoint(const GLScene& scene, const GLObjectTextList* list, int line, WindowPoint& point) {
    if (line < 0 || line >= static_cast<int>(list->lines.size())) return false;
    double box[6];
    list->LineBox(line, box);
    return BoxHoverPoint(scene, box, list->position[2], point);
}

WindowPoint ProjectedPoint(const GLScene& scene, double x, double y, double z) {
    double modelView[16], projection[16];
    ViewMatrices(scene, modelView, projection);
    const GLint viewport[4] = {0, 0, scene.width, scene.height};
    double wx, wy, wz;
    gluProject(x, -y, z, modelView, projection, viewport, &wx, &wy, &wz);
    return {static_cast<int>(std::lround(wx)), static_cast<int>(std::lround(wy))};
}

bool MovingOrFading(const GLObject* object) {
    if (object->motionPath || object->fadePath || object->spinStep < object->spinTicks) return true;
    for (const GLObject* child : object->children) {
        if (MovingOrFading(child)) return true;
    }
    if (auto* list = dynamic_cast<const GLObjectTextList*>(object)) {
        if (list->scrollingUp || list->scrollingDown) return true;
        for (const GLObject* line : list->lines) {
            if (line->fadePath) return true;
        }
    }
    return false;
}

bool ClickOn(const GLScene& scene, GLObject* object) {
    if (auto* list = dynamic_cast<GLObjectTextList*>(object)) return ClickOnLine(scene, list, list->selected);
    WindowPoint point;
    if (!HoverPoint(scene, object, point)) return false;
    platform::headless::SetCursor(point.x, point.y);
    platform::headless::RunTicks(1);
    if (!object->hovered) return false;
    platform::headless::Click();
    return true;
}

bool ClickOnLine(const GLScene& scene, GLObjectTextList* list, int line) {
    WindowPoint point;
    if (!LineHoverPoint(scene, list, line, point)) return false;
    platform::headless::SetCursor(point.x, point.y);
    platform::headless::RunTicks(1);
    if (!list->hovered || list->hoveredLine != line) return false;
    platform::headless::Click();
    return true;
}

bool WaitUntilStill(const GLObject* object) {
    for (int tick = 0; tick < 600 && MovingOrFading(object); ++tick) platform::headless::RunTicks(1);
    return !MovingOrFading(object);
}

}  // namespace gamedriver
