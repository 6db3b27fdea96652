// GLKeptFrame: the game's own copy of the window's picture, a framebuffer object the frames are
// rendered into and shown from by one blit. The window's back buffer is not promised to survive
// a swap, so a frame redrawn only where it changed needs a picture that is the game's.
// The object matches the window pixel for pixel: a colour texture in the window's memory layout
// (BGRA, so the blit is a plain copy), a packed depth and stencil buffer of the window's depths,
// and rasterised with y = 0 at the top as the window is (upper-left clip control). While it is
// bound, every window-space y handed to GL (scissor, viewport, read-back) is height - y - h.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

#include <vector>

#include "engine/ScreenRect.h"

class GLKeptFrame {
public:
    GLKeptFrame() = default;
    GLKeptFrame(const GLKeptFrame&) = delete;
    GLKeptFrame& operator=(const GLKeptFrame&) = delete;

    // Looks up the entry points once, with the context current. False (and a line on standard
    // error, once) when framebuffer objects, clip control or a matching depth buffer are missing.
    bool Start();
    // (Re)makes the buffers for a window of this size; false when the driver refuses them.
    bool Fit(int width, int height);
    // Frames drawn from now on land in the kept picture.
    void Bind();
    // Copies the kept picture to the window's back buffer, all of it or (when the back buffer
    // still holds the picture before) only `changed`, and draws to the window again.
    void Show(const std::vector<ScreenRect>& changed = {});
    bool Ready() const { return ready; }
    // Window-space y of a rectangle at bottom-up y, in the kept picture's rows.
    int RowOf(int y, int h) const { return height - y - h; }
    // Frees the buffers; call with the context current, before it goes.
    void Delete();

private:
    bool started = false, usable = false, ready = false;
    int width = 0, height = 0;
    GLuint framebuffer = 0, colour = 0, depthStencil = 0;
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLFRAMEBUFFERTEXTURE2DPROC framebufferTexture2D = nullptr;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
    PFNGLBLITFRAMEBUFFERPROC blitFramebuffer = nullptr;
    PFNGLCLIPCONTROLPROC clipControl = nullptr;
};
