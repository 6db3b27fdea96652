// The end of a measured frame: the software rasteriser works behind the calls, so a frame's time
// counts only once every command given to the context is done.
#pragma once

#include <GL/gl.h>

#include "platform/Platform.h"

inline void FinishFrame() {
    platform::MakeContextCurrent();
    glFinish();
}
