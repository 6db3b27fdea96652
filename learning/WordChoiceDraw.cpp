#include "learning/WordChoiceDraw.h"

#include <cstdlib>

int WordChoiceDraw() { return std::rand(); }
