// DrawState: what drawing changes in the objects (animation steps, positions, colours, a caret,
// a list's scroll), kept before a frame is drawn so that the same frame can be drawn again, cut
// to another rectangle, from exactly the same start. Values are put back in the order kept.
#pragma once

#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "engine/MotionPath.h"

class DrawState {
public:
    template <typename T>
    void Keep(const T& value) {
        static_assert(std::is_trivially_copyable<T>::value, "only plain values are kept");
        bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
    }
    template <typename T>
    void PutBack(T& value) {
        static_assert(std::is_trivially_copyable<T>::value, "only plain values are kept");
        std::memcpy(&value, bytes.data() + at, sizeof value);
        at += sizeof value;
    }
    void KeepPath(const MotionPathPtr& path) {
        Keep(path != nullptr);
        if (path) paths.push_back(*path);
    }
    void PutBackPath(MotionPathPtr& path) {
        bool present = false;
        PutBack(present);
        if (present) {
            path = std::make_unique<MotionPath>(paths[pathAt++]);
        } else {
            path.reset();
        }
    }
    void Clear() {
        bytes.clear();
        paths.clear();
        Rewind();
    }
    // The next PutBack reads the first value kept.
    void Rewind() {
        at = 0;
        pathAt = 0;
    }

private:
    std::string bytes;
    std::vector<MotionPath> paths;
    size_t at = 0, pathAt = 0;
};
