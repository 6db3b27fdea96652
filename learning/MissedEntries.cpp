#include "learning/MissedEntries.h"

#include "learning/LearningRun.h"

void LoadMissedEntriesAsWordList(LearningRun& run) {
    ReleaseEntries(run.words);
    for (const MissedEntry& missed : run.missed) {
        run.words.entries.push_back(missed.words);
        run.words.entryLanguages.push_back(missed.languages);
    }
    run.words.counts.assign(run.missed.size(), RepetitionRecord{0});
    run.words.asked.assign(run.missed.size(), false);
    run.words.currentWord = 0;
}
