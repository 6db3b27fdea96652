// The one loaded topic of the word list: entries in file order with a repetition count and an
// `asked` flag beside each, and the entry on screen. The file format is in WordFileFormat.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct WordEntry {
    std::u16string prompt;  // asked (the designed topics: English)
    std::u16string answer;  // typed (the designed topics: Spanish)
};

// The languages of a list's two sides as ISO 639-1 codes; an empty code is a side whose language
// is not known, shown as such and never spoken. A designed topic shows its sides by the design's
// flags, a learner's own list by its languages' names.
struct SideLanguages {
    std::string prompt = "en";
    std::string answer = "es";
    bool designedFlags = true;
    // Asked the other way round: `prompt` is the list's answer side and `answer` its prompt side.
    bool reversed = false;
};

// The same sides asked the other way round (twice: as they were).
SideLanguages Reversed(const SideLanguages& languages);
// The entry with its two sides swapped, as a card asked the other way round shows and expects them.
WordEntry Reversed(const WordEntry& entry);

struct RepetitionRecord {
    int32_t repeatCount = 0;  // 0 learned .. 5
};

struct WordList {
    std::vector<WordEntry> entries;
    std::vector<RepetitionRecord> counts;  // one per entry after LoadRepetitions
    std::vector<bool> asked;               // packed; one per entry
    // One per count: +1 when this run marked the entry wrong, -1 right, 0 not judged since the
    // counts were loaded or last saved. A save replays these onto the counts on disk.
    std::vector<int8_t> judged;
    unsigned currentWord = 0;
    // The loaded topic's languages; when the entries come from several topics (a review, its
    // missed words), each entry's instead, in entryLanguages beside the entries.
    SideLanguages languages;
    std::vector<SideLanguages> entryLanguages;
};

// Loads file lines first..last-1 (re-seeding rand() with the time). A missing file leaves the list
// empty. A line with fewer than two fields keeps the missing field empty.
void LoadTopicEntries(WordList& list, const std::string& path, int first, int last);
// Lines first..last-1 of the word file's bytes as entries (a line with fewer than two fields keeps
// the missing field empty); pure.
std::vector<WordEntry> ReadTopicEntries(const uint8_t* data, size_t size, int first, int last);
// The same into `list` (without the re-seeding); LoadTopicEntries reads the file into it.
void LoadTopicEntriesFromBytes(WordList& list, const uint8_t* data, size_t size, int first, int last);
void ReleaseEntries(WordList& list);
unsigned WordCount(const WordList& list);
// Entry currentWord's strings; empty when the list is empty.
std::u16string CurrentPrompt(const WordList& list);
std::u16string CurrentAnswer(const WordList& list);
// Entry currentWord; empty when the list is empty.
WordEntry CurrentEntry(const WordList& list);
// The languages of entry currentWord.
const SideLanguages& CurrentLanguages(const WordList& list);
