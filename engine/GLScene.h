// GLScene: the one scene. It owns the window's GL context, the fixed view (the origin seen from
// 6 units in front), every drawable object and the lights drawn first (given to it once and freed
// with it), the texture table its objects' slots name, the queue of delayed named events, the
// cursor position and the click waiting for the hover pass.
// Render() runs one tick: it steps every visible object once (twice while the floor mirrors them),
// then, unless the tick is not shown or nothing it shows changed, draws the frame (plainly or
// over a stencil-masked mirrored floor) by const walks over the objects, and recomputes the hover
// flags from the cursor.
// Frames are rendered into a kept picture (GLKeptFrame) shown by one blit: when only some objects
// changed, only the window rectangles they covered in the shown frame and cover in this one are
// rendered again, each by the whole drawing order cut to it (so their mirror images, highlight
// boxes and whatever overlaps them come out exactly as in a whole frame).
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "engine/GLKeptFrame.h"
#include "engine/GLObject.h"
#include "engine/ScreenRect.h"
#include "engine/TextureTable.h"

namespace key {
// The game's backdrop: it stands on the mirrored floor and is the one object not mirrored in it.
inline constexpr char kBackdrop[] = "w";
}  // namespace key

struct SceneEvent {
    std::string name;
    int32_t delay = 0;  // ticks; 0 or less never falls due
    int32_t count = 0;
};

class GLScene {
public:
    // Creates the GL context (failures shown as message boxes; the scene still exists) and sets
    // the fixed GL state. The view position is stored negated in viewTranslation.
    GLScene(int width, int height, double viewX, double viewY, double viewZ);
    virtual ~GLScene();

    // Steps the objects and draws the frame, or, when nothing it shows has changed since the last
    // drawn frame, touches no pixel and does not swap: animations, hover and clicks go on alike.
    // With show false the frame is never drawn (the clock is ahead of the frames: a later tick
    // draws); everything else happens alike.
    void Render(bool show = true);
    // The next drawn frame is rendered whole (the screen changed).
    void RenderWholeNext() { drawRequested = true; }
    // Takes the object for good (drawn after those added before it) and hands back a plain pointer
    // to it, valid while the scene lives, for the caller to go on setting it up.
    template <class Kind>
    Kind* Add(std::unique_ptr<Kind> object) {
        return Adopt(std::move(object), objects, ownedObjects);
    }
    template <class Kind>
    Kind* AddLight(std::unique_ptr<Kind> light) {
        return Adopt(std::move(light), lights, ownedLights);
    }
    GLObject* FindObject(const std::string& name) const;
    void PostEvent(const std::string& name, int delayTicks);
    // Advances the queue one tick; returns the name of the first event that fell due, or "".
    std::string PollEvent();
    void Resize(int width, int height);
    void SetBackgroundColour(float r, float g, float b);

    int32_t width, height;
    std::list<SceneEvent> events;
    bool reflectionOff = true;
    bool contextReady = false;
    // The player was told that the context cannot be made current (told once, tried every tick).
    bool currentFailureTold = false;
    int32_t cursorX = 0, cursorY = 0;
    double viewTranslation[3];
    double viewRotation[3] = {0, 0, 0};
    float clearColour[3] = {0, 0, 0};
    // The draw lists, in order; the objects in them belong to the owned lists below.
    std::vector<GLObject*> objects;
    std::vector<GLObject*> lights;
    // Off: every frame is drawn (the pictures are the same either way).
    bool skipUnchangedFrames = true;
    // Off: every drawn frame is rendered whole (the pictures are the same either way).
    bool renderChangesOnly = true;
    // Pixels each rendered rectangle is narrowed by on every side: 0 in the game; the tests set
    // it to show that the rectangles are no larger than the picture needs.
    int rectangleInset = 0;
    bool lastFrameDrawn = false;
    // Drawn frames (the partial ones among them) and frames not drawn.
    uint64_t framesDrawn = 0, framesPartial = 0, framesSkipped = 0;
    // Raised by a left click before the click is routed; the next Render() consumes it.
    bool clickPending = false;
    // The pictures the objects' texture slots name, for as long as the scene's GL context lives.
    TextureTable textures;

private:
    template <class Kind>
    static Kind* Adopt(std::unique_ptr<Kind> object, std::vector<GLObject*>& drawList,
                       std::vector<std::unique_ptr<GLObject>>& owned) {
        Kind* adopted = object.get();
        drawList.push_back(adopted);
        owned.push_back(std::move(object));
        return adopted;
    }
    bool FrameNeedsDrawing();
    void TakeLooks();
    void TakePartLooks();
    void StepObjects(uint32_t clockMs);
    void RenderWhole();
    void RenderChanges();
    std::vector<ScreenRect> ChangedRects(bool& whole) const;
    // With drawn, records where each object and part lands (areas, partAreasNow).
    void DrawObjects(const DrawPass& pass, std::vector<DrawnArea>* drawn = nullptr);
    void DrawVisible(const char* skip, const DrawPass& pass, std::vector<DrawnArea>* drawn) const;
    void LoadProjection();
    // The projection and the view, the model-view matrix current.
    void LoadView();
    void DrawFloorQuad() const;
    void HoverPass(const std::vector<GLObject*>& list);

    // The scene's own part of the look (size, view, lights, textures) and each object's part, for
    // this frame and for the frame the kept picture shows.
    FrameLook look, lastDrawnLook;
    std::vector<FrameLook> objectLooks, lastObjectLooks;
    // Per object, what it drew in the frame being made and in the one the kept picture shows.
    std::vector<DrawnArea> areas, shownAreas;
    // Objects whose look changed in the last drawn frame: GL state that frame left behind can
    // reach this one, so they are rendered once more (as whole frames are, twice).
    std::vector<bool> changedObjects, changedLastFrame;
    // The same for every part drawn (an object, its highlight box, children, a list's lines),
    // found where rectangles are chosen: looks, the parts that changed, and where each landed.
    std::unordered_map<const GLObject*, FrameLook> partLooks, lastPartLooks;
    std::unordered_set<const GLObject*> changedParts, changedLastParts;
    std::unordered_map<const GLObject*, DrawnArea> partAreasNow, shownPartAreas;
    // Whole frames still to render before changes alone are: a look trusted from the second.
    int wholeFramesOwed = 0;
    GLKeptFrame keptFrame;
    bool keptPictureValid = false;
    // The rectangles this frame rendered again (none: the whole frame), and whether the window's
    // back buffer still holds the last picture shown (it was shown without a swap).
    std::vector<ScreenRect> frameRects;
    // The frame was rendered by its changes, they covered no pixel and the window's back buffer
    // holds the shown picture: nothing is shown.
    bool frameChangedNothing = false;
    bool backBufferHolds = false;
    // Drawn frames in a row made from lastDrawnLook. GL state one frame leaves behind can reach
    // the next, so a look is trusted only once two frames drawn from it started alike.
    int drawnAlike = 0;
    bool drawRequested = true;  // resized or exposed
    std::vector<std::unique_ptr<GLObject>> ownedObjects, ownedLights;
};

// The vertical field of view, in degrees, of a window of this size: the designed 45 for the designed
// 5:3 and wider windows, more for narrower ones so the designed width still fits.
double ViewFieldOfViewY(int width, int height);
