// lexaDRILL: learn Spanish vocabulary in a three-dimensional scene.
#include "app/Application.h"

int main() {
    // Both roads end with status 0: the window's close, or the information screen's own exit.
    StartApplication();
    StopApplication();
    return 0;
}
