#include "engine/TextureTable.h"

#include <vector>

#include "engine/TextureUpload.h"
#include "formats/BoundedFileRead.h"
#include "formats/JpegReader.h"
#include "formats/TgaReader.h"
#include "platform/Platform.h"

namespace {

const char* const kTableFull = "can't load more textures (MAX_TEXTURES)";

// Uploads need the scene's context current. A caller that forgot (Render() leaves none current)
// would otherwise crash inside GLU, which reads the GL version first; make it current here and
// report whether GL can be used at all.
bool EnsureContext() {
    if (glGetString(GL_VERSION)) return true;
    return platform::MakeContextCurrent() && glGetString(GL_VERSION);
}

}  // namespace

int32_t TextureTable::TakeSlot(const std::string& path) {
    const int32_t slot = count++;
    ++generation;
    fileNames[slot] = path;
    return slot;
}

int32_t TextureTable::LoadJpeg(const std::string& path) {
    if (count >= MAX_TEXTURES) {
        platform::ShowMessage(kTableFull);
        platform::RequestExit(-1);
        return -1;  // only reached when headless records the exit
    }
    std::vector<uint8_t> bytes;
    Image image;
    if (!ReadFileWithin(path, kPictureLimit, bytes) ||
        !DecodeJpeg(bytes.data(), bytes.size(), kPictureLimits, image))
        return -1;

    const int32_t slot = TakeSlot(path);
    if (!EnsureContext()) return slot;  // no context at all: the slot stays without an image
    textureNames[slot] = UploadPicture(image);
    opaque[slot] = true;
    return slot;
}

bool TextureTable::LoadTga(const std::string& path) {
    if (count >= MAX_TEXTURES) {
        platform::ShowMessage(kTableFull);
        return false;
    }
    const int32_t slot = TakeSlot(path);  // stays taken (and findable) even if the file is bad
    std::vector<uint8_t> bytes;
    TgaImage tga;
    Image image;
    if (!ReadFileWithin(path, kPictureLimit, bytes) ||
        DecodeTga(bytes.data(), bytes.size(), kPictureLimits, tga) != TgaOk || !TgaToImage(tga, image) ||
        !EnsureContext())
        return false;
    textureNames[slot] = UploadSprite(image);
    opaque[slot] = image.channels == 3;
    return true;
}

int32_t TextureTable::LoadImage(const std::string& name, const Image& image) {
    if (count >= MAX_TEXTURES) return -1;
    const int32_t slot = TakeSlot(name);
    if (EnsureContext()) textureNames[slot] = UploadPicture(image);
    opaque[slot] = image.channels == 3;
    return slot;
}

void TextureTable::ReplaceImage(int32_t slot, const std::string& name, const Image& image) {
    if (slot < 0 || slot >= count || slot >= MAX_TEXTURES || !EnsureContext()) return;
    if (textureNames[slot]) glDeleteTextures(1, &textureNames[slot]);
    textureNames[slot] = UploadPicture(image);
    fileNames[slot] = name;
    opaque[slot] = image.channels == 3;
    ++generation;
}

int32_t TextureTable::DrawnImage(const std::string& name, const std::u16string& source,
                                 const std::function<Image()>& draw) {
    int32_t slot = Find(name);
    if (slot >= 0 && drawnFrom[slot] == source) return slot;
    if (slot < 0 && count >= MAX_TEXTURES) return -1;  // nothing to draw into
    const Image image = draw();
    platform::MakeContextCurrent();
    if (slot < 0) {
        slot = LoadImage(name, image);
    } else {
        ReplaceImage(slot, name, image);
    }
    platform::ReleaseContext();
    if (slot >= 0) drawnFrom[slot] = source;
    return slot;
}

int32_t TextureTable::Find(const std::string& fragment) const {
    for (int32_t slot = 0; slot < count && slot < MAX_TEXTURES; ++slot) {
        if (fileNames[slot].find(fragment) != std::string::npos) return slot;
    }
    return -1;
}

void TextureTable::Reset() {
    for (int32_t slot = 0; slot < count && slot < MAX_TEXTURES; ++slot) {
        if (textureNames[slot]) glDeleteTextures(1, &textureNames[slot]);
        fileNames[slot].clear();
        drawnFrom[slot].clear();
        textureNames[slot] = 0;
        opaque[slot] = false;
    }
    count = 0;
    ++generation;
}
