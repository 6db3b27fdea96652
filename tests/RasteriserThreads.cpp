// The tests draw small offscreen windows, two test processes at a time on two cores: there the
// software rasteriser's worker threads cost more in hand-overs than they draw, so it draws on the
// test's own thread unless whoever runs the tests chose otherwise. Mesa reads the variable when the
// first context is made, after this.
#include <stdlib.h>

namespace {
const bool kRasteriserOnTheTestsThread = setenv("LP_NUM_THREADS", "0", 0) == 0;
}
