#include "learning/MissedEntries.h"

std::vector<WordEntry> missedEntries;

void LoadMissedEntriesAsWordList() {
    ReleaseEntries();
    wordList.entries = missedEntries;
    wordList.counts.assign(missedEntries.size(), RepetitionRecord{0});
    wordList.asked.assign(missedEntries.size(), false);
    wordList.currentWord = 0;
}
