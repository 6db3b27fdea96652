#include "app/WindowIcon.h"

#include <cstdio>
#include <string>
#include <vector>

#include "formats/BoundedFileRead.h"
#include "platform/GameFolder.h"
#include "platform/Platform.h"

namespace {

int64_t LittleEndian(const uint8_t* p, int bytes) {
    uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | p[i];
    return static_cast<int64_t>(value);
}

int64_t Signed32(const uint8_t* p) { return static_cast<int32_t>(static_cast<uint32_t>(LittleEndian(p, 4))); }

// Width and height the BMP's header declares (rows counted either way up); false when the bytes
// hold no BMP header.
bool BmpDeclaredSize(const uint8_t* data, size_t size, int64_t& width, int64_t& height) {
    if (!data || size < 26 || data[0] != 'B' || data[1] != 'M') return false;
    const int64_t infoSize = LittleEndian(data + 14, 4);
    if (infoSize == 12) {  // the old OS/2 header: 16-bit sizes
        width = LittleEndian(data + 18, 2);
        height = LittleEndian(data + 20, 2);
        return true;
    }
    if (infoSize < 40) return false;
    width = Signed32(data + 18);
    height = Signed32(data + 22);
    if (height < 0) height = -height;  // a top-down picture
    return true;
}

}  // namespace

void SetWindowIconFromGameFolder() {
    const std::string path = platform::GameFolder() + "gfx/icon.bmp";
    std::vector<uint8_t> bytes;
    if (!ReadFileWithin(path, kIconLimit, bytes)) return;
    int64_t width = 0, height = 0;
    // SDL refuses a picture without a header or pixels by itself.
    if (!BmpDeclaredSize(bytes.data(), bytes.size(), width, height) || width < 1 || height < 1) return;
    if (width > kMaxIconSide || height > kMaxIconSide) {
        std::fprintf(stderr, "lexadrill: %s %s refused: declares %lld x %lld pixels, more than %d a side\n",
                     kIconLimit.kind, path.c_str(), static_cast<long long>(width),
                     static_cast<long long>(height), kMaxIconSide);
        return;
    }
    platform::SetWindowIcon(bytes.data(), bytes.size());
}
