// Showing a drawn frame: the whole back buffer by a swap, or, where the window's driver can copy
// parts of it to the screen, only the rectangles that changed. On X that is
// GLX_MESA_copy_sub_buffer (the back buffer is left as it is, so the next frame need only touch
// what changes again); on Wayland a swap that names the damaged rectangles
// (EGL_KHR/EXT_swap_buffers_with_damage), which saves the compositor's work but not the copy.
#include <SDL.h>
#include <SDL_syswm.h>

#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/PlatformState.h"

namespace platform {

namespace {

constexpr int kEglDraw = 0x3059;  // EGL_DRAW

using detail::FramePresenter;

void ChoosePath(FramePresenter& presenter, SDL_Window* window, SDL_GLContext context) {
    presenter = FramePresenter{};
    presenter.context = context;
    presenter.path = FramePresenter::Path::Swap;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) == SDL_TRUE) {
        if (info.subsystem == SDL_SYSWM_X11) {
            presenter.copySubBuffer = reinterpret_cast<FramePresenter::CopySubBuffer>(
                SDL_GL_GetProcAddress("glXCopySubBufferMESA"));
            presenter.display = info.info.x11.display;
            presenter.drawable = info.info.x11.window;
            if (presenter.copySubBuffer && presenter.display && presenter.drawable)
                presenter.path = FramePresenter::Path::CopyRects;
        } else if (info.subsystem == SDL_SYSWM_WAYLAND) {
            void* entry = SDL_GL_GetProcAddress("eglSwapBuffersWithDamageKHR");
            if (!entry) entry = SDL_GL_GetProcAddress("eglSwapBuffersWithDamageEXT");
            presenter.swapWithDamage = reinterpret_cast<FramePresenter::SwapWithDamage>(entry);
            presenter.currentDisplay =
                reinterpret_cast<FramePresenter::GetCurrent>(SDL_GL_GetProcAddress("eglGetCurrentDisplay"));
            presenter.currentSurface = reinterpret_cast<FramePresenter::GetCurrentSurface>(
                SDL_GL_GetProcAddress("eglGetCurrentSurface"));
            if (presenter.swapWithDamage && presenter.currentDisplay && presenter.currentSurface) {
                presenter.path = FramePresenter::Path::DamageSwap;
            }
        }
    }
    DebugOutput(std::string("lexaDRILL: frames are shown by ") + FramePresentPath() + "\n");
}

}  // namespace

std::string FramePresentPath() {
    switch (detail::GetState().presenter.path) {
        case FramePresenter::Path::CopyRects:
            return "copying the changed rectangles (GLX_MESA_copy_sub_buffer)";
        case FramePresenter::Path::DamageSwap:
            return "a swap naming the changed rectangles (EGL swap_buffers_with_damage)";
        default:
            return "swapping the whole picture";
    }
}

bool ShowFrame(const std::vector<PixelRect>& changed) {
    auto& s = detail::GetState();
    FramePresenter& presenter = s.presenter;
    if (!s.window || !s.context) return false;
    if (s.headless) {
        SDL_GL_SwapWindow(s.window);
        return false;
    }
    if (presenter.context != s.context) ChoosePath(presenter, s.window, s.context);
    if (!changed.empty() && presenter.path == FramePresenter::Path::CopyRects) {
        for (const PixelRect& rect : changed) {
            presenter.copySubBuffer(presenter.display, presenter.drawable, rect.x, rect.y, rect.width,
                                    rect.height);
        }
        return true;
    }
    if (!changed.empty() && presenter.path == FramePresenter::Path::DamageSwap) {
        std::vector<int> rects;
        for (const PixelRect& rect : changed)
            rects.insert(rects.end(), {rect.x, rect.y, rect.width, rect.height});
        void* display = presenter.currentDisplay();
        void* surface = presenter.currentSurface(kEglDraw);
        if (display && surface &&
            presenter.swapWithDamage(display, surface, rects.data(), static_cast<int>(changed.size())) != 0) {
            return false;
        }
    }
    SDL_GL_SwapWindow(s.window);
    return false;
}

}  // namespace platform
