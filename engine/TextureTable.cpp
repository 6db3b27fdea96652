#include "engine/TextureTable.h"

#include <GL/glu.h>

#include <vector>

#include "formats/BoundedFileRead.h"
#include "formats/JpegReader.h"
#include "formats/TgaReader.h"
#include "platform/Platform.h"

TextureTable textureTable;

namespace {

const char* const kTableFull = "can't load more textures (MAX_TEXTURES)";

// Uploads need the scene's context current. A caller that forgot (Render() leaves none current)
// would otherwise crash inside GLU, which reads the GL version first; make it current here and
// report whether GL can be used at all.
bool EnsureContext() {
    if (glGetString(GL_VERSION)) return true;
    return platform::MakeContextCurrent() && glGetString(GL_VERSION);
}

int32_t TakeSlot(const std::string& path) {
    const int32_t slot = textureTable.count++;
    ++textureTable.generation;
    textureTable.fileNames[slot] = path;
    return slot;
}

bool IsPowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

GLint MaxTextureSize() {
    GLint size = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
    return size;
}

}  // namespace

int32_t LoadTextureJpeg(const std::string& path) {
    if (textureTable.count >= MAX_TEXTURES) {
        platform::ShowMessage(kTableFull);
        platform::RequestExit(-1);
        return -1;  // only reached when headless records the exit
    }
    std::vector<uint8_t> bytes;
    DecodedImage image;
    if (!ReadFileWithin(path, kPictureLimit, bytes) ||
        !DecodeJpeg(bytes.data(), bytes.size(), kPictureLimits, image))
        return -1;

    const int32_t slot = TakeSlot(path);
    if (!EnsureContext()) return slot;  // no context at all: the slot stays without an image
    glGenTextures(1, &textureTable.textureNames[slot]);
    glBindTexture(GL_TEXTURE_2D, textureTable.textureNames[slot]);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    // With a linear minification filter only the first level is ever sampled, so a picture of
    // power-of-two size is uploaded as it is, without a mipmap chain (time at loading, memory
    // always). Another size still goes through gluBuild2DMipmaps, whose first level is the
    // picture rescaled to a power of two, so that what is sampled stays the same.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (IsPowerOfTwo(image.width) && IsPowerOfTwo(image.height) && image.width <= MaxTextureSize() &&
        image.height <= MaxTextureSize()) {
        glTexImage2D(GL_TEXTURE_2D, 0, 3, image.width, image.height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     image.pixels.data());
    } else {
        gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE,
                          image.pixels.data());
    }
    textureTable.opaque[slot] = true;
    return slot;
}

bool LoadTextureTga(const std::string& path) {
    if (textureTable.count >= MAX_TEXTURES) {
        platform::ShowMessage(kTableFull);
        return false;
    }
    const int32_t slot = TakeSlot(path);  // stays taken (and findable) even if the file is bad
    std::vector<uint8_t> bytes;
    if (!ReadFileWithin(path, kPictureLimit, bytes)) return false;
    TgaImage image;
    if (DecodeTga(bytes.data(), bytes.size(), kPictureLimits, image) != TgaOk) return false;
    if (!EnsureContext()) return false;

    glGenTextures(1, &textureTable.textureNames[slot]);
    glBindTexture(GL_TEXTURE_2D, textureTable.textureNames[slot]);
    GLint components;
    GLenum format;
    if (image.bitsPerPixel == 24) {
        components = 3;
        format = GL_RGB;
    } else if (image.bitsPerPixel == 32) {
        components = 4;
        format = GL_RGBA;
    } else {
        return false;
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, components, image.width, image.height, 0, format, GL_UNSIGNED_BYTE,
                 image.pixels.data());
    textureTable.opaque[slot] = components == 3;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    return true;
}

int32_t FindTexture(const std::string& fragment) {
    for (int32_t slot = 0; slot < textureTable.count && slot < MAX_TEXTURES; ++slot) {
        if (textureTable.fileNames[slot].find(fragment) != std::string::npos) return slot;
    }
    return -1;
}

void ResetTextureTable() {
    for (int32_t slot = 0; slot < textureTable.count && slot < MAX_TEXTURES; ++slot) {
        if (textureTable.textureNames[slot]) glDeleteTextures(1, &textureTable.textureNames[slot]);
        textureTable.fileNames[slot].clear();
        textureTable.textureNames[slot] = 0;
        textureTable.opaque[slot] = false;
    }
    textureTable.count = 0;
    ++textureTable.generation;
}
