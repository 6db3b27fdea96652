#include "game/UnknownNames.h"

#include <cassert>
#include <cstdio>

namespace {

int objectKeys = 0, eventNames = 0;

}  // namespace

void ReportUnknownName(UnknownName kind, const std::string& name) {
    if (kind == UnknownName::ObjectKey) {
        ++objectKeys;
        std::fprintf(stderr, "lexadrill: no scene object \"%s\"; skipped\n", name.c_str());
    } else {
        ++eventNames;
        std::fprintf(stderr, "lexadrill: unknown event \"%s\"; dropped\n", name.c_str());
    }
    assert(!"a name that matches nothing (see the line above)");
}

int UnknownNameCount(UnknownName kind) { return kind == UnknownName::ObjectKey ? objectKeys : eventNames; }

void ClearUnknownNames() { objectKeys = eventNames = 0; }
