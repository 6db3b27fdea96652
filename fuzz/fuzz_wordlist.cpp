// Any bytes as the word-list file: the reader must neither crash nor leave the list's parallel
// sequences unequal.
#include <cstdint>
#include <cstdlib>

#include "learning/LearningRun.h"
#include "learning/WordList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LearningRun currentRun;
    // A range that starts inside the file and one that starts far beyond it.
    LoadTopicEntriesFromBytes(currentRun.words, data, size, 3, 40);
    if (currentRun.words.counts.size() != currentRun.words.entries.size() ||
        currentRun.words.asked.size() != currentRun.words.entries.size()) {
        std::abort();
    }
    for (unsigned i = 0; i < WordCount(currentRun.words); ++i) {
        currentRun.words.currentWord = i;
        if (CurrentPrompt(currentRun.words).size() + CurrentAnswer(currentRun.words).size() > 2 * 1999)
            std::abort();
    }
    LoadTopicEntriesFromBytes(currentRun.words, data, size, 100000, 100030);
    if (WordCount(currentRun.words) != 0 && size < 100000 * 2) std::abort();
    ReleaseEntries(currentRun.words);
    return 0;
}
