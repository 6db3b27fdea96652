// Any bytes as a repetition file, for a topic of 0-63 loaded entries (chosen by the first byte):
// the counts must fit the entries, and the choice and the updates must stay inside them.
#include <cstdint>
#include <cstdlib>

#include "learning/LearningRun.h"
#include "learning/RepetitionStore.h"
#include "learning/WordList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LearningRun currentRun;
    if (size == 0) return 0;
    ReleaseEntries(currentRun.words);
    const size_t entryCount = data[0] % 64;
    currentRun.words.entries.resize(entryCount);
    LoadRepetitionsFromBytes(currentRun.words, data + 1, size - 1);
    if (entryCount > 0 &&
        (currentRun.words.counts.size() != entryCount || currentRun.words.asked.size() != entryCount)) {
        std::abort();
    }
    for (;;) {
        int chosen = ChooseNextWord(currentRun.words);
        if (chosen == -1) break;
        if (static_cast<size_t>(chosen) >= entryCount) std::abort();
        if (chosen % 2 == 0) {
            MarkCorrect(currentRun.words);
        } else {
            MarkWrong(currentRun.words);
        }
    }
    if (CountLearned(currentRun.words) < 0 ||
        static_cast<size_t>(CountLearned(currentRun.words)) > currentRun.words.counts.size())
        std::abort();
    return 0;
}
