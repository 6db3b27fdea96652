// Per-topic repetition counts on disk ("data/<first>-<last>_rep.dat": headerless little-endian
// int32 counts), topic unlocking (a topic is unlocked when its file exists; the topic starting at
// line 0 always is), and the choice of the next test question.
#pragma once

#include <string>

std::string RepetitionFileName(int first, int last);
// Replaces the counts and asked flags; counts are fitted to the entries. True when the file existed.
bool LoadRepetitions(int first, int last);
// Writes through a temporary file and a rename, so a failed save never leaves a cut file.
void SaveRepetitions(int first, int last);
bool IsTopicUnlocked(int first, int last);
void UnlockTopic(int first, int last);
// After a passed test of row topicIndex: unlocks the next row when it is locked. True when it did.
bool UnlockNextTopic(int topicIndex);
// Index of the chosen entry (also made currentWord and marked asked), or -1.
int ChooseNextWord();
int FindUnasked(int start);
int FindUnaskedWithCount(int start, int level);
void MarkCorrect();
void MarkWrong();
int CountLearned();
