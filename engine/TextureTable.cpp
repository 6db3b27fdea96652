#include "engine/TextureTable.h"

#include <vector>

#include "engine/TextureUpload.h"
#include "formats/BoundedFileRead.h"
#include "formats/JpegReader.h"
#include "formats/TgaReader.h"
#include "platform/Platform.h"

TextureTable textureTable;

namespace {

const char* const kTableFull = "can't load more textures (MAX_TEXTURES)";

// Uploads need the scene's context current. A caller that forgot (Render() leaves none current)
// would otherwise crash inside GLU, which reads the GL version first; make it current here and
// report whether GL can be used at all.
bool EnsureContext() {
    if (glGetString(GL_VERSION)) return true;
    return platform::MakeContextCurrent() && glGetString(GL_VERSION);
}

int32_t TakeSlot(const std::string& path) {
    const int32_t slot = textureTable.count++;
    ++textureTable.generation;
    textureTable.fileNames[slot] = path;
    return slot;
}

}  // namespace

int32_t LoadTextureJpeg(const std::string& path) {
    if (textureTable.count >= MAX_TEXTURES) {
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
    textureTable.textureNames[slot] = UploadPicture(image);
    textureTable.opaque[slot] = true;
    return slot;
}

bool LoadTextureTga(const std::string& path) {
    if (textureTable.count >= MAX_TEXTURES) {
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
    textureTable.textureNames[slot] = UploadSprite(image);
    textureTable.opaque[slot] = image.channels == 3;
    return true;
}

int32_t LoadTextureImage(const std::string& name, const Image& image) {
    if (textureTable.count >= MAX_TEXTURES) return -1;
    const int32_t slot = TakeSlot(name);
    if (EnsureContext()) textureTable.textureNames[slot] = UploadPicture(image);
    textureTable.opaque[slot] = image.channels == 3;
    return slot;
}

void ReplaceTextureImage(int32_t slot, const std::string& name, const Image& image) {
    if (slot < 0 || slot >= textureTable.count || slot >= MAX_TEXTURES || !EnsureContext()) return;
    if (textureTable.textureNames[slot]) glDeleteTextures(1, &textureTable.textureNames[slot]);
    textureTable.textureNames[slot] = UploadPicture(image);
    textureTable.fileNames[slot] = name;
    textureTable.opaque[slot] = image.channels == 3;
    ++textureTable.generation;
}

int32_t FindTexture(const std::string& fragment) {
    for (int32_t slot = 0; slot < textureTable.count && slot < MAX_TEXTURES; ++slot) {
        if (textureTable.fileNames[slot].find(fragment) != std::string::npos) return slot;
    }
    return -1;
}

void ResetTextureTable() {
    for (int32_t slot = 0; slot < textureTable.count && slot < MAX_TEXTURES; ++slot) {
        if (textureTable.textureNames[slot]) glDeleteTextures(1, &textureTable.textureNames[slot]);
        textureTable.fileNames[slot].clear();
        textureTable.textureNames[slot] = 0;
        textureTable.opaque[slot] = false;
    }
    textureTable.count = 0;
    ++textureTable.generation;
}
