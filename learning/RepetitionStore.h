// Per-topic repetition counts on disk ("<first>-<last>_rep.dat" in the save folder: headerless little-endian
// int32 counts), topic unlocking (a topic is unlocked when its file exists; the topic starting at
// line 0 always is), and the choice of the next test question.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "learning/SaveResult.h"
#include "learning/WordList.h"

struct AppContext;

// "<first>-<last>_rep.dat", the file's name inside the save folder (see game/saves/SaveFolder.h).
std::string RepetitionFileName(int first, int last);
// Replaces the counts and asked flags; counts are fitted to the entries. True when the file existed.
// With no entries loaded (the topics screen asks for a topic's progress) the counts are the file's
// values, or (last - first) values of 1 without a file.
bool LoadRepetitions(WordList& list, int first, int last);
// The counts from a repetition file's bytes (a last piece shorter than 4 bytes is ignored), fitted
// to the entries when there are any: extra values dropped, missing ones 1. Resets the asked flags.
void LoadRepetitionsFromBytes(WordList& list, const uint8_t* data, size_t size);
// Re-reads the file and writes it back with this run's judged answers replayed onto its counts
// (entries not judged keep what the file holds), so another game saving the same topic meanwhile
// loses nothing; the counts in memory become what was written. The caller holds the save folder's
// lock (learning/RunEndSave.h). Writes through a temporary file and a rename, so a failed save
// never leaves a cut file.
SaveResult SaveRepetitions(WordList& list, int first, int last);
bool IsTopicUnlocked(int first, int last);
// Writes the topic's file of zeros.
SaveResult UnlockTopic(int first, int last);
struct TopicUnlock {
    bool unlocked = false;  // this call unlocked the next row
    SaveResult save;        // Saved also when there was nothing to write
};
// After a passed test of row topicIndex: unlocks the next row when it is locked (not when the
// next row was open already, or the passed row itself is locked). Under the caller's lock.
TopicUnlock UnlockNextTopic(const AppContext& app, int topicIndex);
// Index of the chosen entry (also made currentWord and marked asked), or -1.
int ChooseNextWord(WordList& list);
int FindUnasked(WordList& list, int start);
int FindUnaskedWithCount(WordList& list, int start, int level);
void MarkCorrect(WordList& list);
void MarkWrong(WordList& list);
int CountLearned(const WordList& list);
