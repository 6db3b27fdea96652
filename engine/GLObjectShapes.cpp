// Geometry of the plain shapes: box, bounding box, tiled plane, gradient plane, and the light.
#include "engine/GLObject.h"

namespace {

// Six faces of the box between two corners, in the order top, bottom, front, back, left, right.
// Normals have length 0.5 (lighting normalisation is off, as the scene was tuned with them).
// Each vertex picks the low or high coordinate per axis; texture (0, 0) is the face's top left.
void DrawBox(double x1, double y1, double z1, double x2, double y2, double z2) {
    struct Face {
        float normal[3];
        bool high[4][3];  // x, y, z of each corner: false = low, true = high
    };
    static const Face kFaces[6] = {
        {{0, 0.5f, 0}, {{0, 1, 0}, {0, 1, 1}, {1, 1, 1}, {1, 1, 0}}},   // top
        {{0, -0.5f, 0}, {{0, 0, 1}, {0, 0, 0}, {1, 0, 0}, {1, 0, 1}}},  // bottom
        {{0, 0, 0.5f}, {{0, 1, 1}, {0, 0, 1}, {1, 0, 1}, {1, 1, 1}}},   // front
        {{0, 0, -0.5f}, {{1, 1, 0}, {1, 0, 0}, {0, 0, 0}, {0, 1, 0}}},  // back
        {{-0.5f, 0, 0}, {{0, 1, 0}, {0, 0, 0}, {0, 0, 1}, {0, 1, 1}}},  // left
        {{0.5f, 0, 0}, {{1, 1, 1}, {1, 0, 1}, {1, 0, 0}, {1, 1, 0}}},   // right
    };
    static const float kTexCoords[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    const double low[3] = {x1, y1, z1}, high[3] = {x2, y2, z2};
    glBegin(GL_QUADS);
    for (const Face& face : kFaces) {
        glNormal3fv(face.normal);
        for (int corner = 0; corner < 4; ++corner) {
            glTexCoord2fv(kTexCoords[corner]);
            const bool* pick = face.high[corner];
            glVertex3d(pick[0] ? high[0] : low[0], pick[1] ? high[1] : low[1], pick[2] ? high[2] : low[2]);
        }
    }
    glEnd();
}

}  // namespace

GLObjectCube::GLObjectCube(const std::string& name, double x, double y, double z, double sx, double sy,
                           double sz)
    : GLObject(name, x, y, z) {
    size[0] = homeSize[0] = sx;
    size[1] = homeSize[1] = sy;
    size[2] = homeSize[2] = sz;
}

bool GLObjectCube::GeometryBox(const Pose&, double box[6]) const {
    for (int axis = 0; axis < 3; ++axis) {
        box[axis] = -size[axis] / 2;
        box[axis + 3] = size[axis] / 2;
    }
    return true;
}

void GLObjectCube::DrawGeometry(const DrawPass&, const Pose&) const {
    const double hx = size[0] / 2, hy = size[1] / 2, hz = size[2] / 2;
    DrawBox(-hx, -hy, -hz, hx, hy, hz);
}

GLObjectBoundingCube::GLObjectBoundingCube(const std::string& name, double x1, double y1, double z1,
                                           double x2, double y2, double z2)
    : GLObject(name, (x2 - x1) / 2, (y2 - y1) / 2, (z2 - z1) / 2) {
    const double corners[6] = {x1, y1, z1, x2, y2, z2};
    for (int i = 0; i < 6; ++i) bounds[i] = corners[i];
}

bool GLObjectBoundingCube::GeometryBox(const Pose& pose, double box[6]) const {
    for (int i = 0; i < 6; ++i) box[i] = pose.bounds[i];
    return true;
}

void GLObjectBoundingCube::DrawGeometry(const DrawPass&, const Pose& pose) const {
    const double* b = pose.bounds;
    DrawBox(b[0], b[1], b[2], b[3], b[4], b[5]);
}

GLObjectPlane::GLObjectPlane(const std::string& name, float tiles, double x, double y, double z, double width,
                             double height, double depth)
    : GLObject(name, x, y, z), width(width), height(height), depth(depth), tiles(tiles) {}

bool GLObjectPlane::GeometryBox(const Pose&, double box[6]) const {
    const bool horizontal = depth != 0;
    const double halfExtent = (horizontal ? depth : height) / 2;
    const double corners[6] = {-width / 2, horizontal ? 0 : -halfExtent, horizontal ? -halfExtent : 0,
                               width / 2,  horizontal ? 0 : halfExtent,  horizontal ? halfExtent : 0};
    for (int i = 0; i < 6; ++i) box[i] = corners[i];
    return true;
}

void GLObjectPlane::DrawGeometry(const DrawPass&, const Pose&) const {
    const bool horizontal = depth != 0;
    const double extent = horizontal ? depth : height;
    if (!(tiles > 0) || !(width > 0) || !(extent > 0)) return;
    const double cellW = width / tiles, cellE = extent / tiles;
    const double step = 1.0 / tiles;
    // Cells are counted, not accumulated, so rounding never adds a sliver row or column; the
    // small margin keeps a whole number of tiles exact.
    const double slack = 1e-6;
    glBegin(GL_QUADS);
    glNormal3f(0, 1, 0);
    for (int i = 0; - width / 2 + i * cellW < width / 2 - cellW * slack; ++i) {
        const double x0 = -width / 2 + i * cellW, x1 = x0 + cellW;
        const double s0 = i * step, s1 = s0 + step;
        for (int j = 0; - extent / 2 + j * cellE < extent / 2 - cellE * slack; ++j) {
            const double e0 = -extent / 2 + j * cellE, e1 = e0 + cellE;
            // t = 0 is the picture's top row: far edge of a floor, upper edge of a wall.
            if (horizontal) {
                const double t0 = j * step, t1 = t0 + step;
                glTexCoord2d(s0, t1);
                glVertex3d(x0, 0, e1);
                glTexCoord2d(s1, t1);
                glVertex3d(x1, 0, e1);
                glTexCoord2d(s1, t0);
                glVertex3d(x1, 0, e0);
                glTexCoord2d(s0, t0);
                glVertex3d(x0, 0, e0);
            } else {
                const double t0 = 1 - j * step, t1 = t0 - step;
                glTexCoord2d(s0, t0);
                glVertex3d(x0, e0, 0);
                glTexCoord2d(s1, t0);
                glVertex3d(x1, e0, 0);
                glTexCoord2d(s1, t1);
                glVertex3d(x1, e1, 0);
                glTexCoord2d(s0, t1);
                glVertex3d(x0, e1, 0);
            }
        }
    }
    glEnd();
}

void GLObjectPlane::AppendLook(FrameLook& look) const {
    GLObject::AppendLook(look);
    look.Add(width);
    look.Add(height);
    look.Add(depth);
    look.Add(tiles);
}

GLObjectPlaneGradient::GLObjectPlaneGradient(const std::string& name, double x, double y, double z,
                                             double width, double depth, double third)
    : GLObject(name, x, y, z) {
    size[0] = width;
    size[1] = depth;
    size[2] = third;
}

bool GLObjectPlaneGradient::GeometryBox(const Pose& pose, double box[6]) const {
    const double hw = size[0] / 2, hd = size[1] / 2, y = pose.position[1];
    const double corners[6] = {-hw, y, -hd, hw, y, hd};
    for (int i = 0; i < 6; ++i) box[i] = corners[i];
    return true;
}

void GLObjectPlaneGradient::DrawGeometry(const DrawPass&, const Pose& pose) const {
    const double hw = size[0] / 2, hd = size[1] / 2, y = pose.position[1];
    const double corners[4][4] = {{1, 0, hw, -hd}, {0, 0, -hw, -hd}, {0, 1, -hw, hd}, {1, 1, hw, hd}};
    glBegin(GL_QUADS);
    glNormal3f(0, 1, 0);
    for (int i = 0; i < 4; ++i) {
        glColor4f(cornerRed[i], cornerGreen[i], cornerBlue[i], cornerAlpha[i]);
        glTexCoord2d(corners[i][0], corners[i][1]);
        glVertex3d(corners[i][2], y, corners[i][3]);
    }
    glEnd();
}

bool GLObjectPlaneGradient::OpaqueFragments(const TextureTable* textures, double alpha) const {
    for (float corner : cornerAlpha) {
        if (corner != 1.0f) return false;
    }
    return GLObject::OpaqueFragments(textures, alpha);
}

void GLObjectPlaneGradient::AppendLook(FrameLook& look) const {
    GLObject::AppendLook(look);
    look.Add(cornerRed);
    look.Add(cornerGreen);
    look.Add(cornerBlue);
    look.Add(cornerAlpha);
}

GLObjectLight::GLObjectLight(const std::string& name, int lightIndex, float r, float g, float b, double x,
                             double y, double z)
    : GLObject(name, x, y, z), lightColour{r, g, b}, lightIndex(lightIndex) {}

bool GLObjectLight::GeometryBox(const Pose&, double box[6]) const {
    MakeEmptyBox(box);
    return true;
}

void GLObjectLight::Draw(const DrawPass& pass) const {
    if (pass.locateOnly) return;
    GLenum light;
    if (lightIndex == 0) {
        light = GL_LIGHT0;
    } else if (lightIndex == 1) {
        light = GL_LIGHT1;
    } else {
        return;
    }
    const GLfloat c[4] = {lightColour[0], lightColour[1], lightColour[2], 1};
    const GLfloat p[4] = {static_cast<GLfloat>(position[0]), static_cast<GLfloat>(position[1]),
                          static_cast<GLfloat>(position[2]), 1};
    glLightfv(light, GL_AMBIENT, c);
    glLightfv(light, GL_DIFFUSE, c);
    glLightfv(light, GL_SPECULAR, c);
    glLightfv(light, GL_POSITION, p);
    glEnable(light);
}

void GLObjectLight::AppendLook(FrameLook& look) const {
    GLObject::AppendLook(look);
    look.Add(lightColour);
    look.Add(lightIndex);
}

std::unique_ptr<GLObjectBoundingCube> MakeHighlightBox(const std::string& key) {
    auto box = std::make_unique<GLObjectBoundingCube>(key, 0, 0, 0, 0, 0, 0);
    box->SetVertexColour(0.4, 0.4, 0.4, 0.4);
    box->blend = true;
    box->blendSrc = GL_SRC_ALPHA;
    box->blendDst = GL_ONE_MINUS_SRC_ALPHA;
    box->depthTest = false;
    box->texturedColour = false;
    return box;
}
