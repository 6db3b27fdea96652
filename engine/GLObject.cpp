#include "engine/GLObject.h"

#include "engine/TextureTable.h"

namespace {

// Binds a texture slot of the table (with no table, no picture); false (and nothing bound) for a
// slot outside the table, e.g. -1.
bool BindSlot(const TextureTable* textures, int slot) {
    if (slot < 0 || slot >= MAX_TEXTURES) return false;
    glBindTexture(GL_TEXTURE_2D, textures ? textures->textureNames[slot] : 0);
    return true;
}

void EnableTexture(const TextureTable* textures, int slot) {
    if (BindSlot(textures, slot)) {
        glEnable(GL_TEXTURE_2D);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
}

void SetEnabled(GLenum capability, bool on) {
    if (on) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

MotionPathPtr CopyPath(const MotionPath& path) {
    auto copy = std::make_unique<MotionPath>();
    copy->points = path.points;
    copy->period = path.period;
    return copy;
}

}  // namespace

GLObject::GLObject(const std::string& name, double x, double y, double z)
    : position{x, y, z}, homePosition{x, y, z}, name(name) {
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
}

GLObject::~GLObject() = default;

void GLObject::FlyOut() {
    StartMotion(PathLeaveToRight(), 190);
    StartFade(FadeOutPath(100, baseColour[3]), 99);
}

void GLObject::FlyIn() {
    StartMotion(PathEnterFromRight(), 190);
    StartFade(FadeInPath(100, baseColour[3]), 99);
}

void GLObject::StepFade() {
    if (fadePath && fadeStep < fadeTicks) {
        ++fadeStep;
        colour[3] = fadePath->LinearStep();
    } else {
        fadePath.reset();
    }
}

void GLObject::StepMotion() {
    if (!motionPath) return;
    if (motionStep < motionTicks) {
        ++motionStep;
        const auto offset = motionPath->BezierStep();
        for (int axis = 0; axis < 3; ++axis) position[axis] = homePosition[axis] + offset[axis];
    } else {
        motionPath.reset();  // the position reached stays
    }
}

void GLObject::StepSpin() {
    if (spinStep >= spinTicks) return;
    ++spinStep;
    for (int axis = 0; axis < 3; ++axis) rotation[axis] += spinIncrement[axis];
    // Children also take their own step, so they turn twice per tick while the parent spins.
    for (GLObject* child : children) child->StepSpin();
}

void GLObject::Step(uint32_t clockMs) {
    StepMotion();
    StepSpin();
    StepFade();
    if (highlight) {
        highlight->StepMotion();
        highlight->StepSpin();
        highlight->StepFade();
    }
    if (colour[3] == 0) return;  // hidden, with highlight and children, but still animating
    StepContent(clockMs);
    if (highlight && hovered) {
        // The box takes its owner's bounds, then steps as anything drawn does.
        for (int i = 0; i < 6; ++i) highlight->bounds[i] = bounds[i];
        highlight->Step(clockMs);
    }
    for (GLObject* child : children) child->Step(clockMs);
}

Pose GLObject::CurrentPose() const {
    Pose pose;
    for (int i = 0; i < 3; ++i) {
        pose.position[i] = position[i];
        pose.rotation[i] = rotation[i];
    }
    for (int i = 0; i < 4; ++i) pose.colour[i] = colour[i];
    for (int i = 0; i < 6; ++i) pose.bounds[i] = bounds[i];
    return pose;
}

void GLObject::KeepMirrorPose() {
    mirrorPose = CurrentPose();
    if (highlight) highlight->KeepMirrorPose();
    for (GLObject* child : children) child->KeepMirrorPose();
}

const Pose& GLObject::PoseFor(const DrawPass& pass, Pose& current) const {
    if (pass.mirrored) return mirrorPose;
    current = CurrentPose();
    return current;
}

void GLObject::Draw(const DrawPass& pass) const {
    Pose current;
    const Pose& pose = PoseFor(pass, current);
    if (pose.colour[3] == 0) return;  // hidden, with highlight and children
    const bool stateOnly = pass.LandsOutside(this);

    if (!pass.locateOnly) {
        glPolygonMode(GL_FRONT_AND_BACK, wireframe ? GL_LINE : GL_FILL);
        SetEnabled(GL_TEXTURE_GEN_S, sphereMap);
        SetEnabled(GL_TEXTURE_GEN_T, sphereMap);
        SetEnabled(GL_DEPTH_TEST, depthTest);
        SetEnabled(GL_BLEND, blend);
        if (blend) glBlendFunc(blendSrc, blendDst);
    }
    if (maskPass && !pass.locateOnly) {
        glEnable(GL_BLEND);
        glDisable(GL_DEPTH_TEST);
        glBlendFunc(GL_DST_COLOR, GL_ZERO);
        EnableTexture(pass.textures, maskTexture);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
        glPushMatrix();
        ApplyTransform(pose);
        if (stateOnly) {
            LeaveGeometryState(pose);
        } else {
            DrawGeometry(pass, pose);
        }
        glPopMatrix();
        glBlendFunc(GL_ONE, GL_ONE);
    }
    if (!pass.locateOnly) {
        ApplyMaterial(pass.textures, pose);
        // Blending opaque fragments changes no pixel but makes the rasteriser read every one it covers.
        if (OpaqueFragments(pass.textures, pose.colour[3])) glDisable(GL_BLEND);
    }
    glPushMatrix();
    ApplyTransform(pose);
    if (pass.area) RecordDrawnArea(pass, pose);  // the mask pass above drew the same geometry here
    if (stateOnly) {
        LeaveGeometryState(pose);
    } else if (!pass.locateOnly) {
        DrawGeometry(pass, pose);
    }
    DrawParts(pass);
    glPopMatrix();

    if (highlight && hovered) highlight->Draw(pass);
    // Children are drawn in the scene's frame, not in this object's transformed one.
    for (const GLObject* child : children) child->Draw(pass);
}

void GLObject::LeaveGeometryState(const Pose&) const {}

void GLObject::DrawParts(const DrawPass&) const {}

void GLObject::SetColour(double r, double g, double b, double a) {
    colour[0] = baseColour[0] = r;
    colour[1] = baseColour[1] = g;
    colour[2] = baseColour[2] = b;
    colour[3] = baseColour[3] = a;
    vertexColour = false;
}

bool GLObject::HitTest(double x, double y) {
    const double dx = x - position[0], dy = y - position[1];
    return dx < 0.5 && dx > -0.5 && dy < 0.2 && dy > -0.2;
}

bool GLObject::OpaqueFragments(const TextureTable* textures, double alpha) const {
    if (maskPass || alpha != 1.0) return false;
    // The function in force: the object's own; where texturedColour alone turns blending on,
    // whatever function the objects drawn before left; none at all for the others.
    GLint source = GL_SRC_ALPHA, destination = GL_ONE_MINUS_SRC_ALPHA;
    if (blend) {
        source = static_cast<GLint>(blendSrc);
        destination = static_cast<GLint>(blendDst);
    } else if (texturedColour) {
        glGetIntegerv(GL_BLEND_SRC, &source);
        glGetIntegerv(GL_BLEND_DST, &destination);
    }
    if (source != GL_SRC_ALPHA || destination != GL_ONE_MINUS_SRC_ALPHA) return false;
    // Each branch follows ApplyMaterial: the alpha is the colour's, times the texture's if one is bound.
    if (texturedColour)
        return texture < 0 || texture >= MAX_TEXTURES || (textures != nullptr && textures->opaque[texture]);
    if (textured) return false;  // lit with whatever material the object drawn before left
    if (vertexColour) return true;
    // The plain material: its alpha only counts while lighting is on.
    return glIsEnabled(GL_LIGHTING) == GL_TRUE;
}

void GLObject::AppendLook(FrameLook& look) const {
    // Looks are taken after the tick's step: a running animation shows in the pose itself.
    look.Add(this);
    look.Add(position);
    look.Add(rotation);
    look.Add(orbitRotation);
    look.Add(scale);
    look.Add(colour);
    look.Add(size);
    look.Add(bounds);
    look.Add(texture);
    look.Add(maskTexture);
    const bool flags[] = {textured,  maskPass,  blend,    texturedColour, depthTest,
                          sphereMap, billboard, eyeSpace, wireframe,      vertexColour};
    look.Add(flags);
    look.Add(blendSrc);
    look.Add(blendDst);
    look.Add(mirrorPose);
    if (highlight) {
        // The highlight animates with its owner and shows while the owner is hovered.
        look.Add(hovered);
        look.BeginPart();
        highlight->AppendLook(look);
        look.EndPart();
    }
    for (const GLObject* child : children) {
        look.BeginPart();
        child->AppendLook(look);
        look.EndPart();
    }
}

void GLObject::ForEachPart(const std::function<void(const GLObject*)>& visit) const {
    if (highlight) visit(highlight.get());
    for (const GLObject* child : children) visit(child);
}

void GLObject::RecordDrawnArea(const DrawPass& pass, const Pose& pose) const {
    double box[6];
    ScreenRect rect;
    DrawnArea* own = pass.partAreas ? &(*pass.partAreas)[this] : nullptr;
    if (GeometryBox(pose, box) && ProjectBox(box, rect)) {
        if (rect.Empty()) return;
        pass.area->rects.push_back(rect);
        if (own) own->rects.push_back(rect);
    } else {
        pass.area->unknown = true;
        if (own) own->unknown = true;
    }
}

void GLObject::BuildLists() {
    if (highlight) highlight->BuildLists();
    for (GLObject* child : children) child->BuildLists();
}

void GLObject::MakeEmptyBox(double box[6]) {
    for (int axis = 0; axis < 3; ++axis) {
        box[axis] = 1;
        box[axis + 3] = -1;
    }
}

void GLObject::SetActive(bool on) { active = on; }

bool GLObject::IsActive() { return active; }

void GLObject::SetClicked(bool on) { clicked = on; }

void GLObject::HoverParts(const CursorTest&) {}

void GLObject::StartMotion(MotionPathPtr path, int ticks) {
    if (!path) return;
    motionStep = 0;
    motionTicks = ticks;
    for (GLObject* child : children) child->StartMotion(CopyPath(*path), ticks);
    motionPath = std::move(path);
}

void GLObject::StartFade(MotionPathPtr path, int ticks) {
    if (!path) return;
    fadeStep = 0;
    fadeTicks = ticks;
    fadePath = std::move(path);
}

void GLObject::StartSpin(int ticks, double dx, double dy, double dz) {
    spinIncrement[0] = dx;
    spinIncrement[1] = dy;
    spinIncrement[2] = dz;
    spinTicks = ticks;
    spinStep = 0;
    for (GLObject* child : children) child->StartSpin(1000, dx, dy, dz);
}

void GLObject::ResetToHome() {
    for (int axis = 0; axis < 3; ++axis) position[axis] = homePosition[axis];
    scale = homeScale;
    for (int i = 0; i < 4; ++i) colour[i] = baseColour[i];
}

void GLObject::SetVertexColour(double r, double g, double b, double a) {
    SetColour(r, g, b, a);
    vertexColour = true;
}

void GLObject::SetVertexColourRgb(double r, double g, double b) {
    colour[0] = baseColour[0] = r;
    colour[1] = baseColour[1] = g;
    colour[2] = baseColour[2] = b;
    vertexColour = true;
}

void GLObject::ApplyTransform(const Pose& pose) const {
    if (eyeSpace) glLoadIdentity();
    glRotatef(static_cast<float>(orbitRotation[0]), 1, 0, 0);
    glRotatef(static_cast<float>(orbitRotation[1]), 0, 1, 0);
    glRotatef(static_cast<float>(orbitRotation[2]), 0, 0, 1);
    glTranslatef(static_cast<float>(pose.position[0]), static_cast<float>(pose.position[1]),
                 static_cast<float>(pose.position[2]));
    if (billboard) {
        // Face the viewer: keep the translation, drop every rotation (and scale) so far.
        GLfloat matrix[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
        for (int column = 0; column < 3; ++column) {
            for (int row = 0; row < 3; ++row) matrix[column * 4 + row] = column == row ? 1.0f : 0.0f;
        }
        glLoadMatrixf(matrix);
    } else {
        glRotatef(static_cast<float>(pose.rotation[0]), 1, 0, 0);
        glRotatef(static_cast<float>(pose.rotation[1]), 0, 1, 0);
        glRotatef(static_cast<float>(pose.rotation[2]), 0, 0, 1);
    }
    glScaled(scale, scale, scale);
}

void GLObject::ApplyMaterial(const TextureTable* textures, const Pose& pose) const {
    const double* colour = pose.colour;
    GLfloat material[4];
    for (int i = 0; i < 4; ++i) material[i] = static_cast<GLfloat>(colour[i]);
    if (texturedColour) {
        glDisable(GL_COLOR_MATERIAL);
        glColor4dv(colour);
        glEnable(GL_BLEND);
        EnableTexture(textures, texture);
        glMaterialfv(GL_FRONT, GL_AMBIENT, material);
        glMaterialfv(GL_FRONT, GL_DIFFUSE, material);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    } else if (textured) {
        glDisable(GL_COLOR_MATERIAL);
        EnableTexture(textures, texture);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    } else if (vertexColour) {
        glDisable(GL_TEXTURE_2D);
        glEnable(GL_COLOR_MATERIAL);
        glColor4dv(colour);
    } else {
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_COLOR_MATERIAL);
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, material);
        glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, material);
    }
}

GLObject* FindObjectIn(const std::vector<GLObject*>& list, const std::string& name) {
    for (GLObject* object : list) {
        if (object->name == name) return object;
    }
    return nullptr;
}
