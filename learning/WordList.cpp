#include "learning/WordList.h"

#include <cstdlib>
#include <ctime>

#include "formats/BoundedFileRead.h"
#include "formats/WordFileFormat.h"
#include "platform/Platform.h"
#include "unicode/Utf8Utf16.h"

WordList wordList;

void LoadTopicEntries(const std::string& path, int first, int last) {
    // A new random sequence for the word choice each time a screen loads a topic.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    std::vector<uint8_t> bytes;
    if (!ReadFileWithin(path, kWordListLimit, bytes)) {
        ReleaseEntries();
        wordList.currentWord = 0;
        return;
    }
    LoadTopicEntriesFromBytes(bytes.data(), bytes.size(), first, last);
}

void LoadTopicEntriesFromBytes(const uint8_t* data, size_t size, int first, int last) {
    ReleaseEntries();
    size_t position = kWordFileHeaderBytes;
    std::u16string line;
    for (int64_t lineNumber = 0; ReadWordFileLine(data, size, position, line); ++lineNumber) {
        DecodeLine(line);
        if (lineNumber < first || lineNumber >= last) continue;
        WordFields fields = SplitFields(line);
        // A short line still takes its place, so entry k stays file line first + k.
        wordList.counts.push_back(RepetitionRecord{0});
        wordList.asked.push_back(false);
        wordList.entries.push_back(WordEntry{std::move(fields.prompt), std::move(fields.answer)});
        const WordEntry& entry = wordList.entries.back();
        platform::DebugOutput(Utf16ToUtf8(entry.prompt) + " - " + Utf16ToUtf8(entry.answer) + "\n");
    }
    wordList.currentWord = 0;
}

void ReleaseEntries() {
    // Swaps with empty containers so the memory of the previous topic is given back.
    std::vector<WordEntry>().swap(wordList.entries);
    std::vector<RepetitionRecord>().swap(wordList.counts);
    std::vector<bool>().swap(wordList.asked);
    std::vector<SideLanguages>().swap(wordList.entryLanguages);
}

unsigned WordCount() { return static_cast<unsigned>(wordList.entries.size()); }

std::u16string CurrentPrompt() {
    if (wordList.currentWord >= wordList.entries.size()) return std::u16string();
    return wordList.entries[wordList.currentWord].prompt;
}

std::u16string CurrentAnswer() {
    if (wordList.currentWord >= wordList.entries.size()) return std::u16string();
    return wordList.entries[wordList.currentWord].answer;
}

WordEntry CurrentEntry() { return WordEntry{CurrentPrompt(), CurrentAnswer()}; }

const SideLanguages& CurrentLanguages() {
    return wordList.currentWord < wordList.entryLanguages.size()
               ? wordList.entryLanguages[wordList.currentWord]
               : wordList.languages;
}
