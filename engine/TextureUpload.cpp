#include "engine/TextureUpload.h"

#include <GL/glu.h>

namespace {

bool IsPowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

GLint MaxTextureSize() {
    GLint size = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
    return size;
}

GLuint NewBoundTexture() {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    return name;
}

}  // namespace

GLuint UploadPicture(const Image& image) {
    const GLuint name = NewBoundTexture();
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
    const GLenum format = image.channels == 4 ? GL_RGBA : GL_RGB;
    if (IsPowerOfTwo(image.width) && IsPowerOfTwo(image.height) && image.width <= MaxTextureSize() &&
        image.height <= MaxTextureSize()) {
        glTexImage2D(GL_TEXTURE_2D, 0, image.channels, image.width, image.height, 0, format, GL_UNSIGNED_BYTE,
                     image.pixels.data());
    } else {
        gluBuild2DMipmaps(GL_TEXTURE_2D, image.channels, image.width, image.height, format, GL_UNSIGNED_BYTE,
                          image.pixels.data());
    }
    return name;
}

GLuint UploadSprite(const Image& image) {
    const GLuint name = NewBoundTexture();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, image.channels, image.width, image.height, 0,
                 image.channels == 4 ? GL_RGBA : GL_RGB, GL_UNSIGNED_BYTE, image.pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    return name;
}
