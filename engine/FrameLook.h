// FrameLook: everything a frame's picture is made from, gathered from the scene after the tick's
// step and before the frame is drawn. Two frames with equal looks draw the same picture, so the
// second need not be drawn. An object whose picture is not all in its look (particles) marks the
// look as changing: such a frame is always drawn. The bytes are compared whole, never hashed, so equal looks
// mean equal inputs. What an object adds between BeginPart and EndPart belongs to a part of it (a list's
// line, a highlight box) with a look of its own; the rest is the object's own look, and a change there
// reaches every part.
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
    void AddBytes(const void* data, size_t size) {
        if (partDepth == 0) own.append(static_cast<const char*>(data), size);
        if (!ownOnly) bytes.append(static_cast<const char*>(data), size);
    }
    // From now on only the own look is kept: SameOwnAs works, SameAs does not.
    void KeepOwnOnly() { ownOnly = true; }
    void MarkChanging() {
        changing = true;
        if (partDepth == 0) ownChanging = true;
    }
    bool Changing() const { return changing; }
    bool Empty() const { return bytes.empty() && own.empty() && !changing; }
    void BeginPart() { ++partDepth; }
    void EndPart() { --partDepth; }
    void Clear() {
        bytes.clear();
        own.clear();
        changing = ownChanging = false;
        partDepth = 0;
    }
    bool SameAs(const FrameLook& other) const { return !changing && !other.changing && bytes == other.bytes; }
    bool SameOwnAs(const FrameLook& other) const {
        return !ownChanging && !other.ownChanging && own == other.own;
    }

private:
    std::string bytes, own;
    bool changing = false, ownChanging = false;
    int partDepth = 0;
    bool ownOnly = false;
};
