#include "learning/MissedEntries.h"

#include "learning/LearningRun.h"

void LoadMissedEntriesAsWordList() {
    ReleaseEntries(currentRun.words);
    for (const MissedEntry& missed : currentRun.missed) {
        currentRun.words.entries.push_back(missed.words);
        currentRun.words.entryLanguages.push_back(missed.languages);
    }
    currentRun.words.counts.assign(currentRun.missed.size(), RepetitionRecord{0});
    currentRun.words.asked.assign(currentRun.missed.size(), false);
    currentRun.words.currentWord = 0;
}
