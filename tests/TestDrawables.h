// Drawables for tests: an object that draws nothing and cannot tell its box (as an unknown kind
// of drawable), one that counts its draws and clicks, and one tick of a single object as the scene runs it: a
// step, then a whole draw.
#pragma once

#include <vector>

#include "engine/GLObject.h"
#include "platform/Platform.h"

class PlainObject : public GLObject {
public:
    using GLObject::GLObject;
    bool GeometryBox(const Pose&, double box[6]) const override {
        MakeEmptyBox(box);
        return false;
    }

protected:
    void StepContent(uint32_t) override {}
    void DrawGeometry(const DrawPass&, const Pose&) const override {}
};

// Counts what the scene asks of it: its draws and its clicks.
class ProbeObject : public PlainObject {
public:
    using PlainObject::PlainObject;
    void SetClicked(bool on) override {
        GLObject::SetClicked(on);
        clickCalls.push_back(on);
    }
    mutable int drawn = 0;
    std::vector<bool> clickCalls;

protected:
    void DrawGeometry(const DrawPass&, const Pose&) const override { ++drawn; }
};

inline void StepAndDraw(GLObject& object) {
    object.Step(platform::TickCountMs());
    object.Draw(DrawPass{});
}
