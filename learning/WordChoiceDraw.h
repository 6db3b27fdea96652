// The number the choice of the next test word draws: the C library's rand(), which loading a
// topic seeds with the time. In a file of its own so that the tests' link can stand in front of it
// (tests/hooks) with numbers of their own.
#pragma once

int WordChoiceDraw();
