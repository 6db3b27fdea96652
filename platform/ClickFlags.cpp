#include "platform/ClickFlags.h"

namespace platform {

int ClickFlags(bool shiftHeld, bool ctrlHeld, bool rightButtonDown) {
    int flags = 1;
    if (rightButtonDown) flags |= 2;
    if (shiftHeld) flags |= 4;
    if (ctrlHeld) flags |= 8;
    return flags;
}

}  // namespace platform
