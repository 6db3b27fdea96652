// DrawPass: what one walk over the drawn objects is for, handed down every Draw(). A walk either
// draws (the whole frame, or the frame cut to a rectangle, where the scene leaves out the vertices
// of objects that land wholly outside it) or only finds where each object and each of its parts
// lands, with no pixel touched. Drawing never moves anything on: the objects stepped before.
#pragma once

#include <unordered_map>

#include "engine/ScreenRect.h"

class GLObject;
struct TextureTable;

struct DrawPass {
    // The textures the objects' slots name (the scene's); none: every slot binds no picture.
    const TextureTable* textures = nullptr;
    // Only where things land: transforms and boxes; no GL state is set and no vertex is sent.
    bool locateOnly = false;
    // A walk cut to this window rectangle: an object or part that `landed` (this frame's
    // locating walk) has wholly outside it gets its GL state set as in a drawn frame, for what it
    // leaves behind reaches the objects after it, but sends no vertices.
    const ScreenRect* cut = nullptr;
    const std::unordered_map<const GLObject*, DrawnArea>* landed = nullptr;
    // The reflection in the floor: drawn from the poses the objects had between their two steps.
    bool mirrored = false;
    // When set, each draw adds the window rectangle its geometry covers to `area` (the drawn
    // object's own entry) and to its own entry in `partAreas` (each part: a line, a highlight box).
    DrawnArea* area = nullptr;
    std::unordered_map<const GLObject*, DrawnArea>* partAreas = nullptr;

    // Whether `part` lands wholly outside the cut; one the locating walk never reached is drawn.
    bool LandsOutside(const GLObject* part) const {
        if (!cut || !landed) return false;
        const auto found = landed->find(part);
        return found != landed->end() && !found->second.Touches(*cut);
    }
};
