#include "engine/GLScene.h"

#include <GL/glu.h>

#include <cstdint>
#include <utility>

#include "engine/TextureTable.h"
#include "platform/Platform.h"

GLScene* scene = nullptr;
bool clickPending = false;

namespace {

constexpr double kFieldOfView = 45, kNear = 0.1, kFar = 100;
const char* const kUnmirroredKey = key::kBackdrop;

void DrawVisible(const std::vector<GLObject*>& list, const char* skip) {
    for (GLObject* object : list) {
        if (object->visible && !(skip && object->name == skip)) object->Draw();
    }
}

}  // namespace

GLScene::GLScene(int width, int height, double viewX, double viewY, double viewZ)
    : width(width), height(height), viewTranslation{-viewX, -viewY, -viewZ} {
    switch (platform::CreateGLContext()) {
        case platform::ContextResult::PixelFormatFailed:
            platform::ShowMessage("ChoosePixelFormat Failed");
            return;
        case platform::ContextResult::SetPixelFormatFailed:
            platform::ShowMessage("SetPixelFormat Failed");
            return;
        case platform::ContextResult::CreateContextFailed:
            platform::ShowMessage("wglCreateContext Failed ");
            return;
        case platform::ContextResult::MakeCurrentFailed:
            platform::ShowMessage("wglMageCurrent error");
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
        platform::ReleaseContext();
        platform::DestroyGLContext();
    }
}

void GLScene::LoadProjection() {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // A minimised window reports height 0; keep the projection finite.
    const double aspect = height > 0 ? static_cast<double>(width) / height : 1.0;
    gluPerspective(kFieldOfView, aspect, kNear, kFar);
}

bool GLScene::FrameNeedsDrawing() {
    look.Clear();
    look.Add(width);
    look.Add(height);
    look.Add(reflectionOff);
    look.Add(viewTranslation);
    look.Add(viewRotation);
    look.Add(clearColour);
    look.Add(textureTable.generation);
    for (const GLObject* light : lights) light->AppendLook(look);
    for (const GLObject* object : objects) {
        if (object->visible) object->AppendLook(look);
    }
    const bool unchanged = look.SameAs(lastDrawnLook);
    if (skipUnchangedFrames && unchanged && drawnAlike >= 2 && !drawRequested) return false;
    drawnAlike = unchanged ? drawnAlike + 1 : 1;
    std::swap(look, lastDrawnLook);
    drawRequested = false;
    return true;
}

void GLScene::Render() {
    if (!platform::MakeContextCurrent()) {
        platform::ShowMessage("wglMageCurrent error in GLSScene::Render");
        return;
    }
    lastFrameDrawn = FrameNeedsDrawing();
    if (lastFrameDrawn) {
        ++framesDrawn;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        DrawObjects();
    } else {
        // The same calls with every fragment scissored away: each object moves on exactly as a
        // drawn frame moves it, and the GL state left behind is the same, but no pixel is touched.
        ++framesSkipped;
        glEnable(GL_SCISSOR_TEST);
        glScissor(0, 0, 0, 0);
        DrawObjects();
        glDisable(GL_SCISSOR_TEST);
    }

    platform::CursorPosition(cursorX, cursorY);
    glMatrixMode(GL_MODELVIEW);
    HoverPass(objects);
    clickPending = false;
    if (lastFrameDrawn) platform::SwapBuffers();
    platform::ReleaseContext();
}

void GLScene::DrawObjects() {
    LoadProjection();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(static_cast<float>(viewRotation[0]), 1, 0, 0);
    glRotatef(static_cast<float>(viewRotation[1]), 0, 1, 0);
    glRotatef(static_cast<float>(viewRotation[2]), 0, 0, 1);
    glTranslatef(static_cast<float>(viewTranslation[0]), static_cast<float>(viewTranslation[1]),
                 static_cast<float>(viewTranslation[2]));

    for (GLObject* light : lights) light->Draw();

    if (reflectionOff) {
        DrawVisible(objects, nullptr);
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
        DrawFloorQuad();
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
        DrawVisible(objects, kUnmirroredKey);
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
        DrawFloorQuad();
        glEnable(GL_LIGHTING);
        glDisable(GL_BLEND);
        glPopMatrix();

        glPushMatrix();
        DrawVisible(objects, nullptr);
        glPopMatrix();
        glFlush();
    }
}

void GLScene::DrawFloorQuad() {
    const int32_t slot = FindTexture("gfx/mirror.jpg");
    if (slot >= 0) {
        glBindTexture(GL_TEXTURE_2D, textureTable.textureNames[slot]);
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
