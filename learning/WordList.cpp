#include "learning/WordList.h"

#include <cstdlib>
#include <ctime>

#include "formats/BoundedFileRead.h"
#include "formats/WordFileFormat.h"
#include "platform/Platform.h"
#include "unicode/Utf8Utf16.h"

SideLanguages Reversed(const SideLanguages& languages) {
    return SideLanguages{languages.answer, languages.prompt, languages.designedFlags, !languages.reversed};
}

WordEntry Reversed(const WordEntry& entry) { return WordEntry{entry.answer, entry.prompt}; }

void LoadTopicEntries(WordList& list, const std::string& path, int first, int last) {
    // A new random sequence for the word choice each time a screen loads a topic.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    std::vector<uint8_t> bytes;
    if (!ReadFileWithin(path, kWordListLimit, bytes)) {
        ReleaseEntries(list);
        list.currentWord = 0;
        return;
    }
    LoadTopicEntriesFromBytes(list, bytes.data(), bytes.size(), first, last);
}

std::vector<WordEntry> ReadTopicEntries(const uint8_t* data, size_t size, int first, int last) {
    std::vector<WordEntry> entries;
    size_t position = kWordFileHeaderBytes;
    std::u16string line;
    for (int64_t lineNumber = 0; lineNumber < last && ReadWordFileLine(data, size, position, line);
         ++lineNumber) {
        DecodeLine(line);
        if (lineNumber < first) continue;
        WordFields fields = SplitFields(line);
        // A short line still takes its place, so entry k stays file line first + k.
        entries.push_back(WordEntry{std::move(fields.prompt), std::move(fields.answer)});
    }
    return entries;
}

void LoadTopicEntriesFromBytes(WordList& list, const uint8_t* data, size_t size, int first, int last) {
    ReleaseEntries(list);
    list.entries = ReadTopicEntries(data, size, first, last);
    for (const WordEntry& entry : list.entries) {
        list.counts.push_back(RepetitionRecord{0});
        list.asked.push_back(false);
        platform::DebugOutput(Utf16ToUtf8(entry.prompt) + " - " + Utf16ToUtf8(entry.answer) + "\n");
    }
    list.currentWord = 0;
}

void ReleaseEntries(WordList& list) {
    // Swaps with empty containers so the memory of the previous topic is given back.
    std::vector<WordEntry>().swap(list.entries);
    std::vector<RepetitionRecord>().swap(list.counts);
    std::vector<bool>().swap(list.asked);
    std::vector<SideLanguages>().swap(list.entryLanguages);
}

unsigned WordCount(const WordList& list) { return static_cast<unsigned>(list.entries.size()); }

std::u16string CurrentPrompt(const WordList& list) {
    if (list.currentWord >= list.entries.size()) return std::u16string();
    return list.entries[list.currentWord].prompt;
}

std::u16string CurrentAnswer(const WordList& list) {
    if (list.currentWord >= list.entries.size()) return std::u16string();
    return list.entries[list.currentWord].answer;
}

WordEntry CurrentEntry(const WordList& list) { return WordEntry{CurrentPrompt(list), CurrentAnswer(list)}; }

const SideLanguages& CurrentLanguages(const WordList& list) {
    return list.currentWord < list.entryLanguages.size() ? list.entryLanguages[list.currentWord]
                                                         : list.languages;
}
