#include "learning/MissedEntries.h"

std::vector<MissedEntry> missedEntries;

void LoadMissedEntriesAsWordList() {
    ReleaseEntries();
    for (const MissedEntry& missed : missedEntries) {
        wordList.entries.push_back(missed.words);
        wordList.entryLanguages.push_back(missed.languages);
    }
    wordList.counts.assign(missedEntries.size(), RepetitionRecord{0});
    wordList.asked.assign(missedEntries.size(), false);
    wordList.currentWord = 0;
}
