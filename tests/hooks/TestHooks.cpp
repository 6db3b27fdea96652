#include "tests/hooks/TestHooks.h"

#include "engine/GlyphFont.h"
#include "learning/RepetitionStore.h"

namespace safe_file_write_testing {
void InjectFault(Fault fault) { injectedFault = fault; }
}  // namespace safe_file_write_testing

namespace glyphfont {
void UseFontFileForTesting(const std::string& path) { testing::fontFileOverride = path; }
void UseSystemFont() { testing::fontFileOverride.reset(); }
}  // namespace glyphfont

void SetWordChoiceRandom(int (*source)()) { wordChoiceRandom = source; }
