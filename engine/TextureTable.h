// The scene's texture table (GLScene::textures, living as long as its GL context): 70 slots taken
// in loading order and never freed. Objects refer to textures by slot; Find finds a slot by a
// fragment of its file path. Loading needs the scene's GL context to be current. Loading a slot
// reads the file within its limit, decodes it (formats/JpegReader, formats/TgaReader), takes the
// slot and uploads it (engine/TextureUpload).
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <functional>
#include <string>

#include "formats/Image.h"

constexpr int MAX_TEXTURES = 70;

struct TextureTable {
    std::string fileNames[MAX_TEXTURES];
    GLuint textureNames[MAX_TEXTURES] = {};
    // The slot's picture has no alpha channel (every texel samples with alpha 1).
    bool opaque[MAX_TEXTURES] = {};
    // The text a picture of DrawnImage was drawn from (empty for the rest).
    std::u16string drawnFrom[MAX_TEXTURES];
    int32_t count = 0;
    // Moves on whenever a slot is taken or the table emptied: the pictures drawn may have changed.
    uint32_t generation = 0;

    // Slot number, or -1 when the file cannot be opened or decoded (no slot taken, no message).
    // A full table shows "can't load more textures (MAX_TEXTURES)" and ends the process with -1.
    int32_t LoadJpeg(const std::string& path);
    // True when the image was uploaded. The slot is taken before reading and stays taken.
    bool LoadTga(const std::string& path);
    // A picture made by the game (formats/Image.h) in a new slot named `name`; -1 when the table is
    // full (no message: the caller draws without it).
    int32_t LoadImage(const std::string& name, const Image& image);
    // Puts another picture into a slot made by LoadImage, under a new name.
    void ReplaceImage(int32_t slot, const std::string& name, const Image& image);
    // The slot named `name` with the picture drawn from `source` (e.g. its texts): `draw` runs, and
    // the slot is filled with the scene's context current, only when the slot is new or was drawn
    // from another source. -1 when the table is full (the caller draws without it).
    int32_t DrawnImage(const std::string& name, const std::u16string& source,
                       const std::function<Image()>& draw);
    // First slot whose path contains `fragment` (case-sensitive); -1 when none does.
    int32_t Find(const std::string& fragment) const;
    // Empties the table, deleting its textures (the game never does; a table of its own in a test).
    void Reset();

private:
    int32_t TakeSlot(const std::string& path);
};
