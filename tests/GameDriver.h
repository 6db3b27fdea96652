// Driving the real game on the headless platform without a test framework, shared by the
// end-to-end harness and the benchmark: a game folder laid out from the built content, the
// window point at which an object counts as hovered (its real bounds projected exactly as the
// scene's hover pass does), and whether anything is still moving.
#pragma once

#include <string>

#include "engine/GLObject.h"
#include "engine/GLObjectTextList.h"

class GLScene;

namespace gamedriver {

struct WindowPoint {
    int x = 0;
    int y = 0;
};

// Copies the built data/ and gfx/ from buildDir into folder (ending in '/'), leaving out what a
// previous run saved (results, repetition counts).
void LayOutGameFolder(const std::string& buildDir, const std::string& folder);

// The middle of the window rectangle in which the object counts as hovered; false when that
// rectangle holds no pixel.
bool HoverPoint(const GLScene& scene, const GLObject* object, WindowPoint& point);

// The same for shown line `line` of a text list (its line box, as the hover pass tests it).
bool LineHoverPoint(const GLScene& scene, const GLObjectTextList* list, int line, WindowPoint& point);

// The window pixel a point of the scene's frame projects to, as the hover pass projects it.
WindowPoint ProjectedPoint(const GLScene& scene, double x, double y, double z);

// True while the object or a child has motion, fade, spin or scrolling left.
bool MovingOrFading(const GLObject* object);

// Places the cursor over the object, runs one tick so the hover pass sees it, then clicks.
// False (nothing clicked) when the object covers no pixel or the tick left it unhovered. A text
// list is clicked on its selected line, the click that chooses it.
bool ClickOn(const GLScene& scene, GLObject* object);
// Places the cursor over a shown line of the list, runs one tick, then clicks; false when the
// line covers no pixel or the tick left another line (or none) hovered.
bool ClickOnLine(const GLScene& scene, GLObjectTextList* list, int line);

// Runs ticks until the object is still; false when it still moves after 600 ticks.
bool WaitUntilStill(const GLObject* object);

}  // namespace gamedriver
