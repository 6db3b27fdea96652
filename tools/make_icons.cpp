// Draws the desktop icons of an installed game: <folder>/<n>x<n>/apps/lexadrill.png at the sizes
// desktops look for in the hicolor theme. Usage: make_icons <folder>.
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "GameIcon.h"
#include "PictureCanvas.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons <folder>\n");
        return 2;
    }
    bool ok = true;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        std::string path = std::string(argv[1]) + "/" + std::to_string(size) + "x" + std::to_string(size);
        mkdir(path.c_str(), 0755);
        path += "/apps";
        mkdir(path.c_str(), 0755);
        Canvas c(size, size, 64, 64);
        DrawGameIcon(c);
        ok &= c.SavePng(path + "/lexadrill.png");
    }
    if (!ok) std::fprintf(stderr, "make_icons: could not write every icon into %s\n", argv[1]);
    return ok ? 0 : 1;
}
