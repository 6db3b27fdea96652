// FrameLook: everything a frame's picture is made from, gathered from the scene before the frame
// is drawn. Two frames with equal looks draw the same picture, so the second need not be drawn.
// An object that will change by itself while it is drawn (a motion, fade or spin running, a list
// scrolling, a caret about to blink, particles) marks the look as changing: such a frame is always
// drawn. The bytes are compared whole, never hashed, so equal looks mean equal inputs.
#pragma once

#include <cstddef>
#include <string>
#include <type_traits>

class FrameLook {
public:
    template <typename T>
    void Add(const T& value) {
        static_assert(std::is_trivially_copyable<T>::value, "only plain values describe a look");
        AddBytes(&value, sizeof value);
    }
    void AddBytes(const void* data, size_t size) { bytes.append(static_cast<const char*>(data), size); }
    void MarkChanging() { changing = true; }
    bool Changing() const { return changing; }
    void Clear() {
        bytes.clear();
        changing = false;
    }
    bool SameAs(const FrameLook& other) const { return !changing && !other.changing && bytes == other.bytes; }

private:
    std::string bytes;
    bool changing = false;
};
