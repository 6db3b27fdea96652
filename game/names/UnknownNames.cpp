#include "game/names/UnknownNames.h"

#include <cassert>
#include <cstdio>

namespace {

// The names reported since start-up, of each kind (owner: this file, for the program's run).
struct UnknownNameCounts {
    int objectKeys = 0;
    int eventNames = 0;
} counts;

}  // namespace

void ReportUnknownName(UnknownName kind, const std::string& name) {
    if (kind == UnknownName::ObjectKey) {
        ++counts.objectKeys;
        std::fprintf(stderr, "lexadrill: no scene object \"%s\"; skipped\n", name.c_str());
    } else {
        ++counts.eventNames;
        std::fprintf(stderr, "lexadrill: unknown event \"%s\"; dropped\n", name.c_str());
    }
    assert(!"a name that matches nothing (see the line above)");
}

int UnknownNameCount(UnknownName kind) {
    return kind == UnknownName::ObjectKey ? counts.objectKeys : counts.eventNames;
}

void ClearUnknownNames() { counts = UnknownNameCounts{}; }
