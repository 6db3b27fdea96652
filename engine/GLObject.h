// GLObject: a named, positioned, coloured, optionally textured drawable that animates itself.
// Step() moves it on by one tick (motion, spin, fade, and whatever its own content animates);
// Draw() is a const walk that applies the object's GL state and transform and calls
// DrawGeometry(), for the pass it is given. A drawable says how it steps (StepContent), what it
// draws (DrawGeometry) and the box that holds it (GeometryBox): all three are pure. The scene
// steps and draws only visible objects; a colour alpha of exactly 0 hides an object and its
// children while it keeps animating.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/DrawPass.h"
#include "engine/FrameLook.h"
#include "engine/MotionPath.h"
#include "engine/ScreenRect.h"

// What a step changes and a draw reads. An object stepped twice in a tick (once for its reflection
// in the floor, once for itself) keeps the pose it had between the two for its reflection.
struct Pose {
    double position[3];
    double rotation[3];
    double colour[4];
    double bounds[6];
};

class GLObject {
public:
    GLObject(const std::string& name, double x, double y, double z);
    virtual ~GLObject();
    GLObject(const GLObject&) = delete;
    GLObject& operator=(const GLObject&) = delete;

    virtual void FlyOut();  // leave to the right over 190 ticks, fade out in 99
    virtual void FlyIn();   // enter from the right over 190 ticks, fade in over 99
    virtual void StepFade();
    // One tick: motion, spin and fade, the highlight's, then (unless hidden) the object's own
    // content, the highlight's draw step and the children's steps. `clockMs` is the frame's one
    // reading of the millisecond clock, for what the content animates by the clock (a caret).
    void Step(uint32_t clockMs);
    // Draws the object, its highlight and children, as they stand, for `pass`.
    virtual void Draw(const DrawPass& pass) const;
    // Keeps the pose of this object and every part it draws for the reflection (see Pose).
    virtual void KeepMirrorPose();
    Pose CurrentPose() const;
    virtual void SetColour(double r, double g, double b, double a);
    virtual bool HitTest(double x, double y);
    virtual void SetActive(bool on);
    virtual bool IsActive();
    virtual void SetClicked(bool on);
    // True when drawing unblended could change no pixel: the blend function in force is source
    // alpha / one minus source alpha (or there is none) and every fragment the next draw makes has
    // alpha exactly 1, the texture's among them (of `textures`). Call with the material applied.
    bool OpaqueFragments(const TextureTable* textures) const { return OpaqueFragments(textures, colour[3]); }
    virtual bool OpaqueFragments(const TextureTable* textures, double alpha) const;
    // Adds what this object's draw is made from (itself, its highlight and its children) and
    // marks the look as changing when it moves on by itself from tick to tick.
    virtual void AppendLook(FrameLook& look) const;
    // Whether a box (min x, y, z, max x, y, z in the scene's frame) lies under the cursor.
    using CursorTest = std::function<bool(const double* box)>;
    // Hover of what the object draws inside itself (a list's lines), after the hover pass has set
    // `hovered`; nothing by default.
    virtual void HoverParts(const CursorTest& underCursor);
    // The box, in the coordinates DrawGeometry() draws in, that holds everything it draws in
    // `pose` (empty when it draws nothing of its own); false when that cannot be told beforehand.
    virtual bool GeometryBox(const Pose& pose, double box[6]) const = 0;
    // Builds any display list a draw would otherwise have to send vertex by vertex: a frame may
    // be recorded into a list of its own, and lists do not nest.
    virtual void BuildLists();

    // The objects drawn within this one's Draw() whose looks are parts of its look (its highlight
    // box, its children; a list's lines).
    virtual void ForEachPart(const std::function<void(const GLObject*)>& visit) const;

    // Takes ownership of the path; a null path is ignored. Children get copies (step 0).
    void StartMotion(MotionPathPtr path, int ticks);
    // Takes ownership; children are not faded.
    void StartFade(MotionPathPtr path, int ticks);
    // Degrees per tick about x, y, z for `ticks`; children get StartSpin(1000, ...).
    void StartSpin(int ticks, double dx, double dy, double dz);
    void ResetToHome();
    void SetVertexColour(double r, double g, double b, double a);
    void SetVertexColourRgb(double r, double g, double b);

    void StepMotion();
    void StepSpin();

    bool hovered = false;
    int motionStep = 0, motionTicks = 0;
    MotionPathPtr motionPath;
    int spinStep = 0, spinTicks = 0;
    int fadeStep = 0, fadeTicks = 0;
    MotionPathPtr fadePath;
    double spinIncrement[3] = {0, 0, 0};
    int texture = 0;  // texture slot; -1 draws untextured
    bool textured = false;
    int maskTexture = 1;
    bool maskPass = false;
    bool visible = true;
    bool blend = false;
    bool texturedColour = false;
    bool depthTest = true;
    bool sphereMap = false;
    double bounds[6] = {0, 0, 0, 0, 0, 0};  // min x, y, z, max x, y, z (world units)
    double position[3];
    double size[3] = {0, 0, 0};
    double homeSize[3] = {0, 0, 0};
    double homePosition[3];
    double homeScale = 1;
    double baseColour[4] = {1, 1, 1, 1};
    std::string name;
    double colour[4] = {1, 1, 1, 1};
    double rotation[3] = {0, 0, 0};
    double orbitRotation[3] = {0, 0, 0};
    double scale = 1;
    bool billboard = false;
    GLenum blendSrc = GL_SRC_ALPHA, blendDst = GL_ONE_MINUS_SRC_ALPHA;
    bool eyeSpace = false;
    bool wireframe = false;
    bool vertexColour = false;
    std::unique_ptr<GLObject> highlight;  // drawn with this object's bounds while hovered
    bool active = false;
    bool clicked = false;
    // Not owned: whoever put them here holds them for as long as this object (a list its arrows).
    std::vector<GLObject*> children;
    Pose mirrorPose{};

protected:
    // What the object's own content animates, once a tick while it is not hidden (a caret, a
    // list's scroll, particles); also where bounds that follow the pose are brought up to date.
    virtual void StepContent(uint32_t clockMs) = 0;
    // The vertices, in the object's transformed frame, as `pose` has them.
    virtual void DrawGeometry(const DrawPass& pass, const Pose& pose) const = 0;
    // GL state DrawGeometry() leaves behind, set without a vertex (a pass that leaves this
    // object's vertices out); nothing by default.
    virtual void LeaveGeometryState(const Pose& pose) const;
    // Drawables inside this one's frame (a list's lines), drawn after its own geometry.
    virtual void DrawParts(const DrawPass& pass) const;
    const Pose& PoseFor(const DrawPass& pass, Pose& current) const;
    void ApplyTransform(const Pose& pose) const;
    void ApplyMaterial(const TextureTable* textures, const Pose& pose) const;
    void RecordDrawnArea(const DrawPass& pass, const Pose& pose) const;
    static void MakeEmptyBox(double box[6]);
};

// First object of `list` whose key equals `name` exactly; nullptr when none does.
GLObject* FindObjectIn(const std::vector<GLObject*>& list, const std::string& name);

// Geometry-only subclasses.
class GLObjectCube : public GLObject {
public:
    GLObjectCube(const std::string& name, double x, double y, double z, double sx, double sy, double sz);
    bool GeometryBox(const Pose& pose, double box[6]) const override;

protected:
    void StepContent(uint32_t) override {}
    void DrawGeometry(const DrawPass& pass, const Pose& pose) const override;
};

class GLObjectBoundingCube : public GLObject {
public:
    GLObjectBoundingCube(const std::string& name, double x1, double y1, double z1, double x2, double y2,
                         double z2);
    bool GeometryBox(const Pose& pose, double box[6]) const override;

protected:
    void StepContent(uint32_t) override {}
    void DrawGeometry(const DrawPass& pass, const Pose& pose) const override;
};

namespace key {
// The keys the highlight boxes carry: around a model button (an arrow, the abort button), and
// around a text (a field, the ok button).
inline constexpr char kButtonHighlight[] = "cb1";
inline constexpr char kTextHighlight[] = "cb";
}  // namespace key

// The translucent grey box drawn around a button or field while the cursor is over it. It takes
// its owner's bounds before each draw, hence the zero corners.
std::unique_ptr<GLObjectBoundingCube> MakeHighlightBox(const std::string& key);

class GLObjectPlane : public GLObject {
public:
    GLObjectPlane(const std::string& name, float tiles, double x, double y, double z, double width,
                  double height, double depth);
    bool GeometryBox(const Pose& pose, double box[6]) const override;
    void AppendLook(FrameLook& look) const override;
    double width, height, depth;
    float tiles;

protected:
    void StepContent(uint32_t) override {}
    void DrawGeometry(const DrawPass& pass, const Pose& pose) const override;
};

class GLObjectPlaneGradient : public GLObject {
public:
    GLObjectPlaneGradient(const std::string& name, double x, double y, double z, double width, double depth,
                          double third);
    bool GeometryBox(const Pose& pose, double box[6]) const override;
    using GLObject::OpaqueFragments;
    bool OpaqueFragments(const TextureTable* textures, double alpha) const override;  // the corners' alphas
    void AppendLook(FrameLook& look) const override;
    float cornerRed[4] = {0, 0, 0, 0}, cornerGreen[4] = {0, 0, 0, 0};
    float cornerBlue[4] = {0, 0, 0, 0}, cornerAlpha[4] = {0, 0, 0, 0};

protected:
    void StepContent(uint32_t) override {}
    void DrawGeometry(const DrawPass& pass, const Pose& pose) const override;
};

class GLObjectLight : public GLObject {
public:
    GLObjectLight(const std::string& name, int lightIndex, float r, float g, float b, double x, double y,
                  double z);
    // Sets the light (a light draws no pixel and is never mirrored).
    void Draw(const DrawPass& pass) const override;
    bool GeometryBox(const Pose& pose, double box[6]) const override;
    void AppendLook(FrameLook& look) const override;
    float lightColour[3];
    int lightIndex;

protected:
    void StepContent(uint32_t) override {}
    void DrawGeometry(const DrawPass&, const Pose&) const override {}
};
