#include "engine/GLScene.h"

#include <GL/glu.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <iterator>
#include <string>
#include <utility>

#include "engine/GlyphFont.h"
#include "engine/TextureTable.h"
#include "platform/Platform.h"

namespace {

constexpr double kFieldOfView = 45, kNear = 0.1, kFar = 100;
// The shape the scene was laid out for: the play window's 5:3.
constexpr int kDesignedWidth = 5, kDesignedHeight = 3;
const char* const kUnmirroredKey = key::kBackdrop;

// A rectangle pass costs its pixels plus the drawing order's vertex work, which costs about what
// filling this many pixels does (the software rasteriser, the game's scenes); once the passes
// would cost this share of a whole frame, the whole frame is rendered instead (one pass, no
// clears per rectangle).
constexpr int64_t kPassOverheadPixels = 60000;
constexpr double kWorthShare = 0.6;

// What failed, in the player's words, with what SDL said and what to install or check: the game
// goes on without a picture, as designed, so the message is all the player has to act on.
void TellDrawingFailed(const std::string& what) {
    const std::string said = platform::GraphicsError();
    platform::ShowMessage(
        "lexaDRILL cannot draw its picture: " + what + (said.empty() ? "" : " (" + said + ")") +
            ".\nCheck that an OpenGL driver is installed (on Debian or Ubuntu: sudo apt install "
            "libgl1-mesa-dri libglx-mesa0) and that this display runs OpenGL programs (glxinfo -B, from "
            "the package mesa-utils, names the renderer).",
        platform::MessageKind::Error);
}

const char* const kNoCurrentContext = "its OpenGL context cannot be made current";

}  // namespace

GLScene::GLScene(int width, int height, double viewX, double viewY, double viewZ)
    : width(width), height(height), viewTranslation{-viewX, -viewY, -viewZ} {
    switch (platform::CreateGLContext()) {
        case platform::ContextResult::PixelFormatFailed:
            TellDrawingFailed("the display offers no OpenGL format with a depth and a stencil buffer");
            return;
        case platform::ContextResult::SetPixelFormatFailed:
            TellDrawingFailed("its window is not an OpenGL window");
            return;
        case platform::ContextResult::CreateContextFailed:
            TellDrawingFailed("no OpenGL context can be made for its window");
            return;
        case platform::ContextResult::MakeCurrentFailed:
            TellDrawingFailed(kNoCurrentContext);
            currentFailureTold = true;
            break;
        case platform::ContextResult::Ok:
            break;
    }
    contextReady = true;
    glViewport(0, 0, width, height);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glClearColor(clearColour[0], clearColour[1], clearColour[2], 0);
    glEnable(GL_LIGHTING);
    glClearDepth(1);
    glClearStencil(0);
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
}

GLScene::~GLScene() {
    // The objects go first, while the context their display lists were made in still exists.
    objects.clear();
    lights.clear();
    ownedObjects.clear();
    ownedLights.clear();
    if (contextReady) {
        if (platform::MakeContextCurrent()) keptFrame.Delete();
        platform::ReleaseContext();
        platform::DestroyGLContext();
    }
}

double ViewFieldOfViewY(int width, int height) {
    // A window as wide as the designed shape, or wider, shows the designed height (and more at the
    // sides); one narrower by more than a pixel's rounding shows the designed width, and so more
    // above and below. Either way every object of the designed picture stays in the window.
    if (height <= 0 || width <= 0 || width * kDesignedHeight + kDesignedHeight >= height * kDesignedWidth)
        return kFieldOfView;
    const double designedAspect = static_cast<double>(kDesignedWidth) / kDesignedHeight;
    const double halfHeight = std::tan(kFieldOfView / 2 * M_PI / 180) * designedAspect * height / width;
    return 2 * std::atan(halfHeight) * 180 / M_PI;
}

void GLScene::LoadProjection() {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // A minimised window reports height 0; keep the projection finite.
    const double aspect = height > 0 ? static_cast<double>(width) / height : 1.0;
    gluPerspective(ViewFieldOfViewY(width, height), aspect, kNear, kFar);
}

void GLScene::TakeLooks() {
    look.Clear();
    look.Add(width);
    look.Add(height);
    look.Add(reflectionOff);
    look.Add(viewTranslation);
    look.Add(viewRotation);
    look.Add(clearColour);
    look.Add(textures.generation);
    for (const GLObject* light : lights) light->AppendLook(look);
    objectLooks.resize(objects.size());
    changedObjects.assign(objects.size(), true);
    for (size_t i = 0; i < objects.size(); ++i) {
        FrameLook& objectLook = objectLooks[i];
        objectLook.Clear();
        objectLook.Add(objects[i]->visible);
        if (objects[i]->visible) objects[i]->AppendLook(objectLook);
        if (i < lastObjectLooks.size()) changedObjects[i] = !objectLook.SameAs(lastObjectLooks[i]);
    }
}

bool GLScene::FrameNeedsDrawing() {
    TakeLooks();
    bool unchanged = look.SameAs(lastDrawnLook);
    for (bool changed : changedObjects) unchanged = unchanged && !changed;
    if (skipUnchangedFrames && unchanged && drawnAlike >= 2 && !drawRequested) return false;
    drawnAlike = unchanged ? drawnAlike + 1 : 1;
    return true;
}

void GLScene::Render(bool show) {
    if (!platform::MakeContextCurrent()) {
        // Every tick tries again, as designed; the player is told once.
        if (!currentFailureTold) TellDrawingFailed(kNoCurrentContext);
        currentFailureTold = true;
        return;
    }
    // One reading of the clock for every step of the frame, the mirrored objects' two among them.
    StepObjects(platform::TickCountMs());
    for (GLObject* object : objects) {
        if (object->visible) object->BuildLists();
    }
    lastFrameDrawn = show && FrameNeedsDrawing();
    if (lastFrameDrawn) {
        ++framesDrawn;
        frameChangedNothing = false;
        // A window resized a moment ago is drawn directly until the scene takes its new size:
        // the clear then covers the whole window, as it always did.
        const platform::Size window = platform::ClientSize();
        const bool sized = window.width == width && window.height == height;
        if (sized && keptFrame.Start() && keptFrame.Fit(width, height)) {
            keptFrame.Bind();
            frameRects.clear();
            TakePartLooks();
            if (drawRequested || !look.SameAs(lastDrawnLook)) wholeFramesOwed = 2;
            if (renderChangesOnly && keptPictureValid && wholeFramesOwed == 0) {
                RenderChanges();
            } else {
                RenderWhole();
            }
            if (wholeFramesOwed > 0) --wholeFramesOwed;
            // After a swap the back buffer holds nothing to build on; the window still shows the
            // last picture, so only the changes need to reach it either way. Changes that landed
            // nowhere (a hidden object moved) leave the window as it is.
            if (!frameChangedNothing) {
                if (backBufferHolds) {
                    keptFrame.Show(frameRects);
                } else {
                    keptFrame.Show();
                }
            }
            keptPictureValid = true;
        } else {
            frameRects.clear();
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
            DrawObjects(DrawPass{});
            keptPictureValid = false;
        }
        std::swap(look, lastDrawnLook);
        std::swap(objectLooks, lastObjectLooks);
        changedLastFrame.swap(changedObjects);
        lastPartLooks.swap(partLooks);
        changedLastParts.swap(changedParts);
        drawRequested = false;
    } else {
        ++framesSkipped;
    }

    platform::CursorPosition(cursorX, cursorY);
    LoadView();  // the hover pass projects through the view, drawn or not
    HoverPass(objects);
    clickPending = false;
    if (lastFrameDrawn && !frameChangedNothing) {
        std::vector<platform::PixelRect> shown;
        for (const ScreenRect& rect : frameRects) {
            shown.push_back(platform::PixelRect{rect.x0, rect.y0, rect.x1 - rect.x0, rect.y1 - rect.y0});
        }
        backBufferHolds = platform::ShowFrame(shown);
    }
    // The context stays current between ticks: making it current again each tick costs the
    // window system a round trip.
}

void GLScene::StepObjects(uint32_t clockMs) {
    // The reflection is drawn first and each object stepped for it, then stepped again for
    // itself: every mirrored object moves on twice a tick and its reflection shows the pose
    // between the two.
    for (GLObject* object : objects) {
        if (!object->visible) continue;
        if (!reflectionOff && object->name != kUnmirroredKey) {
            object->Step(clockMs);
            object->KeepMirrorPose();
            if (!object->visible) continue;  // a burst that ended
        }
        object->Step(clockMs);
    }
}

void GLScene::RenderWhole() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    DrawObjects(DrawPass{}, &areas);
    shownAreas.swap(areas);
    shownPartAreas.swap(partAreasNow);
}

void GLScene::RenderChanges() {
    // Objects that cannot tell where they draw (particles) make the frame whole.
    for (size_t i = 0; i < objects.size(); ++i) {
        GLObject* object = objects[i];
        if (!object->visible) continue;
        double box[6];
        const bool changed = changedObjects[i] || (i < changedLastFrame.size() && changedLastFrame[i]);
        if (changed && (!object->GeometryBox(object->CurrentPose(), box) ||
                        (i < shownAreas.size() && shownAreas[i].unknown))) {
            RenderWhole();
            return;
        }
    }
    // Where everything lands this frame, without a pixel.
    DrawPass locate;
    locate.locateOnly = true;
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    DrawObjects(locate, &areas);
    glPopAttrib();

    bool whole = false;
    std::vector<ScreenRect> rects = ChangedRects(whole);
    if (whole) {
        RenderWhole();
        return;
    }
    ++framesPartial;
    frameRects = rects;
    // Only where the back buffer still holds the shown picture: after a swap it may hold an
    // older one, and what is shown next must start from the kept picture again.
    frameChangedNothing = rects.empty() && backBufferHolds;
    // Each rectangle is drawn by the whole drawing order from the same GL state.
    for (size_t k = 0; k < rects.size(); ++k) {
        const bool last = k + 1 == rects.size();
        if (!last) glPushAttrib(GL_ALL_ATTRIB_BITS);
        const ScreenRect rect{rects[k].x0 + rectangleInset, rects[k].y0 + rectangleInset,
                              rects[k].x1 - rectangleInset, rects[k].y1 - rectangleInset};
        glEnable(GL_SCISSOR_TEST);
        if (rect.Empty()) {
            glScissor(0, 0, 0, 0);
        } else {
            const int h = rect.y1 - rect.y0;
            glScissor(rect.x0, keptFrame.RowOf(rect.y0, h), rect.x1 - rect.x0, h);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        }
        DrawPass cutPass;
        cutPass.cut = &rect;
        cutPass.landed = &partAreasNow;
        DrawObjects(cutPass);
        glDisable(GL_SCISSOR_TEST);
        if (!last) glPopAttrib();
    }
    shownAreas.swap(areas);
    shownPartAreas.swap(partAreasNow);
}

void GLScene::TakePartLooks() {
    // Refilled in place, so that the map's entries and their buffers serve tick after tick; a
    // part's look is never empty, so one left empty belongs to a part no longer drawn.
    for (auto& [part, partLook] : partLooks) partLook.Clear();
    std::function<void(const GLObject*, bool)> take = [&](const GLObject* object, bool topLevel) {
        FrameLook& part = partLooks[object];
        part.KeepOwnOnly();  // the parts within take looks of their own
        if (topLevel) part.Add(object->visible);
        if (!topLevel || object->visible) object->AppendLook(part);
        object->ForEachPart([&](const GLObject* inner) { take(inner, false); });
    };
    for (const GLObject* object : objects) take(object, true);
    for (auto entry = partLooks.begin(); entry != partLooks.end();) {
        entry = entry->second.Empty() ? partLooks.erase(entry) : std::next(entry);
    }
    // A part changed when its own look did or anything it is drawn within changed.
    changedParts.clear();
    std::function<void(const GLObject*, bool)> compare = [&](const GLObject* object, bool within) {
        const auto last = lastPartLooks.find(object);
        const bool changed =
            within || last == lastPartLooks.end() || !partLooks[object].SameOwnAs(last->second);
        if (changed) changedParts.insert(object);
        object->ForEachPart([&](const GLObject* inner) { compare(inner, changed); });
    };
    for (const GLObject* object : objects) compare(object, false);
}

std::vector<ScreenRect> GLScene::ChangedRects(bool& whole) const {
    std::vector<ScreenRect> rects;
    whole = false;
    // Where each changed part (or one changed in the last drawn frame, whose GL state may have
    // reached this one) is now and where the shown picture has it, mirror images included.
    auto take = [&](const GLObject* part) {
        for (const auto* drawn : {&partAreasNow, &shownPartAreas}) {
            const auto area = drawn->find(part);
            if (area == drawn->end()) continue;
            if (area->second.unknown) whole = true;
            rects.insert(rects.end(), area->second.rects.begin(), area->second.rects.end());
        }
    };
    for (const GLObject* part : changedParts) take(part);
    for (const GLObject* part : changedLastParts) {
        if (!changedParts.count(part)) take(part);
    }
    if (whole) return {};
    const double windowPixels = static_cast<double>(width) * height;
    MergeRects(rects, kPassOverheadPixels);
    double cost = 0;
    for (const ScreenRect& rect : rects) cost += static_cast<double>(rect.Area() + kPassOverheadPixels);
    whole = cost > kWorthShare * windowPixels;
    return rects;
}

void GLScene::LoadView() {
    LoadProjection();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(static_cast<float>(viewRotation[0]), 1, 0, 0);
    glRotatef(static_cast<float>(viewRotation[1]), 0, 1, 0);
    glRotatef(static_cast<float>(viewRotation[2]), 0, 0, 1);
    glTranslatef(static_cast<float>(viewTranslation[0]), static_cast<float>(viewTranslation[1]),
                 static_cast<float>(viewTranslation[2]));
}

void GLScene::DrawVisible(const char* skip, const DrawPass& pass, std::vector<DrawnArea>* drawn) const {
    for (size_t i = 0; i < objects.size(); ++i) {
        const GLObject* object = objects[i];
        if (!object->visible || (skip && object->name == skip)) continue;
        DrawPass objectPass = pass;
        if (drawn) objectPass.area = &(*drawn)[i];
        object->Draw(objectPass);
    }
}

void GLScene::DrawObjects(const DrawPass& pass, std::vector<DrawnArea>* drawn) {
    DrawPass scenePass = pass;
    scenePass.textures = &textures;
    if (drawn) {
        drawn->assign(objects.size(), DrawnArea{});
        partAreasNow.clear();
        scenePass.partAreas = &partAreasNow;
    }
    LoadView();
    for (const GLObject* light : lights) light->Draw(scenePass);

    if (reflectionOff) {
        DrawVisible(nullptr, scenePass, drawn);
    } else {
        // Mark the floor in the stencil buffer, without colour or depth.
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_DEPTH_TEST);
        glPushMatrix();
        glTranslatef(0, -2, 0);
        glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
        glEnable(GL_STENCIL_TEST);
        glStencilFunc(GL_ALWAYS, 1, 1);
        glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
        glDisable(GL_DEPTH_TEST);
        if (!pass.locateOnly) DrawFloorQuad();
        glEnable(GL_DEPTH_TEST);
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        glStencilFunc(GL_EQUAL, 1, 1);
        glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
        // Specified under the floor translation: keeps only what lies at or below the floor.
        const GLdouble clipPlane[4] = {0, -1, 0, 0};
        glEnable(GL_CLIP_PLANE0);
        glClipPlane(GL_CLIP_PLANE0, clipPlane);
        glPopMatrix();

        // The reflection, inside the floor only.
        glPushMatrix();
        glTranslatef(0, -4, 0);
        glScalef(1, -1, 1);
        DrawPass mirrored = scenePass;
        mirrored.mirrored = true;
        DrawVisible(kUnmirroredKey, mirrored, drawn);
        glPopMatrix();

        // The floor itself, translucent over its reflection.
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_BLEND);
        glPushMatrix();
        glTranslatef(0, -2, 0);
        glDisable(GL_CLIP_PLANE0);
        glDisable(GL_STENCIL_TEST);
        glDisable(GL_LIGHTING);
        glColor4f(1, 1, 1, 0.8f);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        if (!pass.locateOnly) DrawFloorQuad();
        glEnable(GL_LIGHTING);
        glDisable(GL_BLEND);
        glPopMatrix();

        glPushMatrix();
        DrawVisible(nullptr, scenePass, drawn);
        glPopMatrix();
    }
}

void GLScene::DrawFloorQuad() const {
    const int32_t slot = textures.Find("gfx/mirror.jpg");
    if (slot >= 0) {
        glBindTexture(GL_TEXTURE_2D, textures.textureNames[slot]);
    } else {
        glDisable(GL_TEXTURE_2D);  // never bind a slot that is not there
    }
    // A wireframe object drawn before it (its reflection, or last frame) leaves lines behind.
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glBegin(GL_QUADS);
    glNormal3f(0, 1, 0);
    glTexCoord2f(0, 1);
    glVertex3f(-8, 0, 3);
    glTexCoord2f(0, 0);
    glVertex3f(-8, 0, -3);
    glTexCoord2f(1, 0);
    glVertex3f(8, 0, -3);
    glTexCoord2f(1, 1);
    glVertex3f(8, 0, 3);
    glEnd();
}

void GLScene::HoverPass(const std::vector<GLObject*>& list) {
    GLdouble modelView[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    for (GLObject* object : list) {
        if (!object->visible) continue;
        // y is negated so that window y (bottom up) reads as the cursor's top-down y; this holds
        // for the fixed, level view the game uses. Boxes are projected at the object's depth.
        const double z = object->position[2];
        auto underCursor = [&](const double* box) {
            GLdouble ax, ay, az, bx, by, bz;
            gluProject(box[0], -box[1], z, modelView, projection, viewport, &ax, &ay, &az);
            gluProject(box[3], -box[4], z, modelView, projection, viewport, &bx, &by, &bz);
            return bx > cursorX && cursorX > ax && by < cursorY && cursorY < ay;
        };
        const bool under = underCursor(object->bounds);
        object->hovered = under;
        object->HoverParts(underCursor);
        if (clickPending) object->SetClicked(under);
        HoverPass(object->children);
    }
}

GLObject* GLScene::FindObject(const std::string& name) const { return FindObjectIn(objects, name); }

void GLScene::PostEvent(const std::string& name, int delayTicks) {
    events.push_back(SceneEvent{name, delayTicks, 0});
}

std::string GLScene::PollEvent() {
    for (auto it = events.begin(); it != events.end(); ++it) {
        // An event that never falls due (delay 0 or less) must not overflow its counter.
        if (it->count < INT32_MAX) ++it->count;
        if (it->count == it->delay) {
            std::string name = std::move(it->name);
            events.erase(it);
            return name;
        }
    }
    return "";
}

void GLScene::Resize(int newWidth, int newHeight) {
    drawRequested = true;  // an exposed or resized window is always drawn again
    width = newWidth;
    height = newHeight;
    LoadProjection();  // leaves the projection matrix current
}

void GLScene::SetBackgroundColour(float r, float g, float b) {
    clearColour[0] = r;
    clearColour[1] = g;
    clearColour[2] = b;
    glClearColor(r, g, b, 0);
}
