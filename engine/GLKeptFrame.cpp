#include "engine/GLKeptFrame.h"

#include <cstring>

#include "platform/Platform.h"

namespace {

template <typename Entry>
bool Find(Entry& entry, const char* name) {
    entry = reinterpret_cast<Entry>(platform::GLFunction(name));
    return entry != nullptr;
}

bool HasExtension(const char* name) {
    const char* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (!all) return false;
    const size_t length = std::strlen(name);
    for (const char* at = std::strstr(all, name); at; at = std::strstr(at + 1, name)) {
        const bool starts = at == all || at[-1] == ' ';
        const bool ends = at[length] == ' ' || at[length] == '\0';
        if (starts && ends) return true;
    }
    return false;
}

}  // namespace

bool GLKeptFrame::Start() {
    if (started) return usable;
    started = true;
    GLint depthBits = 0, stencilBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    glGetIntegerv(GL_STENCIL_BITS, &stencilBits);
    const bool entries =
        HasExtension("GL_ARB_framebuffer_object") && HasExtension("GL_ARB_clip_control") &&
        Find(genFramebuffers, "glGenFramebuffers") && Find(deleteFramebuffers, "glDeleteFramebuffers") &&
        Find(bindFramebuffer, "glBindFramebuffer") && Find(framebufferTexture2D, "glFramebufferTexture2D") &&
        Find(genRenderbuffers, "glGenRenderbuffers") && Find(deleteRenderbuffers, "glDeleteRenderbuffers") &&
        Find(bindRenderbuffer, "glBindRenderbuffer") && Find(renderbufferStorage, "glRenderbufferStorage") &&
        Find(framebufferRenderbuffer, "glFramebufferRenderbuffer") &&
        Find(checkFramebufferStatus, "glCheckFramebufferStatus") &&
        Find(blitFramebuffer, "glBlitFramebuffer") && Find(clipControl, "glClipControl");
    // Depth values round to the buffer's bits: only the window's own depths give its pictures.
    usable = entries && depthBits == 24 && stencilBits == 8;
    if (!usable) {
        platform::DebugOutput(
            "lexaDRILL: no framebuffer objects with clip control and 24/8 depth and stencil; every "
            "frame is drawn whole\n");
    }
    return usable;
}

bool GLKeptFrame::Fit(int newWidth, int newHeight) {
    if (!usable) return false;
    if (ready && newWidth == width && newHeight == height) return true;
    Delete();
    width = newWidth;
    height = newHeight;
    if (width <= 0 || height <= 0) return false;
    GLint boundTexture = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &boundTexture);
    glGenTextures(1, &colour);
    glBindTexture(GL_TEXTURE_2D, colour);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(boundTexture));
    genRenderbuffers(1, &depthStencil);
    bindRenderbuffer(GL_RENDERBUFFER, depthStencil);
    renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    bindRenderbuffer(GL_RENDERBUFFER, 0);
    genFramebuffers(1, &framebuffer);
    bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour, 0);
    framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depthStencil);
    ready = checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    bindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!ready) {
        Delete();
        usable = false;
        platform::DebugOutput("lexaDRILL: the kept frame is incomplete; every frame is drawn whole\n");
    }
    return ready;
}

void GLKeptFrame::Bind() {
    bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    clipControl(GL_UPPER_LEFT, GL_NEGATIVE_ONE_TO_ONE);
}

void GLKeptFrame::Show(const std::vector<ScreenRect>& changed) {
    clipControl(GL_LOWER_LEFT, GL_NEGATIVE_ONE_TO_ONE);
    bindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    bindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    // Rows top first into the window's bottom-up rows: the same bytes in the same order.
    if (changed.empty()) {
        blitFramebuffer(0, 0, width, height, 0, height, width, 0, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    }
    for (const ScreenRect& rect : changed) {
        blitFramebuffer(rect.x0, height - rect.y1, rect.x1, height - rect.y0, rect.x0, rect.y1, rect.x1,
                        rect.y0, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    }
    bindFramebuffer(GL_FRAMEBUFFER, 0);
}

void GLKeptFrame::Delete() {
    ready = false;
    if (!usable) return;
    if (framebuffer) deleteFramebuffers(1, &framebuffer);
    if (depthStencil) deleteRenderbuffers(1, &depthStencil);
    if (colour) glDeleteTextures(1, &colour);
    framebuffer = depthStencil = colour = 0;
}
