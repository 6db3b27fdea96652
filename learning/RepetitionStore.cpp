#include "learning/RepetitionStore.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "formats/BoundedFileRead.h"
#include "formats/RepetitionCount.h"
#include "game/saves/SaveFolder.h"
#include "game/state/AppContext.h"
#include "learning/WordChoiceDraw.h"
#include "learning/WordList.h"
#include "platform/SafeFileWrite.h"

namespace {

unsigned Draw() { return static_cast<unsigned>(WordChoiceDraw()); }

// The entries the choice may look at: every sequence has one element per entry after a load; the
// smallest keeps a scan inside all of them even when they were left unequal.
size_t ChoiceSize(const WordList& list) {
    return std::min({list.entries.size(), list.counts.size(), list.asked.size()});
}

// Counts without entries belong to a progress query; with entries they must match them one to one.
void FitCountsToEntries(WordList& list) {
    if (!list.entries.empty()) list.counts.resize(list.entries.size(), RepetitionRecord{kNewWordCount});
    list.asked.assign(list.counts.size(), false);
    list.judged.assign(list.counts.size(), 0);
}

// The counts of a repetition file: little-endian int32 values (a last piece shorter than 4 bytes
// ignored), each outside the counts' range read as a new word's.
std::vector<int32_t> CountsFromBytes(const uint8_t* data, size_t size) {
    std::vector<int32_t> counts;
    for (size_t offset = 0; offset + 4 <= size; offset += 4) {
        uint32_t value = static_cast<uint32_t>(data[offset]) | static_cast<uint32_t>(data[offset + 1]) << 8 |
                         static_cast<uint32_t>(data[offset + 2]) << 16 |
                         static_cast<uint32_t>(data[offset + 3]) << 24;
        counts.push_back(CountAsRead(static_cast<int32_t>(value)));
    }
    return counts;
}

// The rules of a judged answer: a wrong one raises a count up to 5, a right one lowers it to 0.
int32_t RaisedCount(int32_t count) { return count <= 4 ? count + 1 : count; }
int32_t LoweredCount(int32_t count) { return count >= 1 ? count - 1 : count; }

// The counts to save: another game may have saved the file since this one loaded it, so its
// counts are taken and this run's judged answers replayed onto them, and both games' answers
// count. An entry is judged at most once a run. Without a readable file, the counts in memory.
std::vector<RepetitionRecord> CountsMergedWithDisk(const WordList& list, const std::string& name) {
    std::vector<RepetitionRecord> merged = list.counts;
    std::vector<uint8_t> bytes;
    if (!ReadFileWithin(SavedFileToRead(name), kRepetitionFileLimit, bytes)) return merged;
    const std::vector<int32_t> disk = CountsFromBytes(bytes.data(), bytes.size());
    const size_t n = std::min({disk.size(), merged.size(), list.judged.size()});
    for (size_t i = 0; i < n; ++i) {
        const int8_t step = list.judged[i];
        merged[i].repeatCount = step > 0 ? RaisedCount(disk[i]) : step < 0 ? LoweredCount(disk[i]) : disk[i];
    }
    return merged;
}

void Judge(WordList& list, int8_t step) {
    if (list.currentWord < list.judged.size()) list.judged[list.currentWord] = step;
}

// Scans from start, wrapping, for the first unasked entry that `accept` takes; marks and returns it.
int FindUnaskedWhere(WordList& list, int start, const std::function<bool(size_t)>& accept) {
    const size_t n = ChoiceSize(list);
    if (n == 0 || start < 0) return -1;
    for (size_t step = 0; step < n; ++step) {
        size_t index = (static_cast<size_t>(start) + step) % n;
        if (!list.asked[index] && accept(index)) {
            list.currentWord = static_cast<unsigned>(index);
            list.asked[index] = true;
            return static_cast<int>(index);
        }
    }
    return -1;
}

bool CurrentHasCount(const WordList& list) { return list.currentWord < list.counts.size(); }

}  // namespace

std::string RepetitionFileName(int first, int last) {
    return std::to_string(first) + "-" + std::to_string(last) + "_rep.dat";
}

bool LoadRepetitions(WordList& list, int first, int last) {
    std::vector<uint8_t> bytes;
    if (ReadFileWithin(SavedFileToRead(RepetitionFileName(first, last)), kRepetitionFileLimit, bytes)) {
        LoadRepetitionsFromBytes(list, bytes.data(), bytes.size());
        return true;
    }
    list.counts.assign(last > first ? static_cast<size_t>(last) - first : 0, RepetitionRecord{kNewWordCount});
    FitCountsToEntries(list);
    return false;
}

void LoadRepetitionsFromBytes(WordList& list, const uint8_t* data, size_t size) {
    list.counts.clear();
    for (int32_t value : CountsFromBytes(data, size)) list.counts.push_back(RepetitionRecord{value});
    FitCountsToEntries(list);
}

SaveResult SaveRepetitions(WordList& list, int first, int last) {
    const std::string name = RepetitionFileName(first, last);
    const std::vector<RepetitionRecord> merged = CountsMergedWithDisk(list, name);
    std::vector<uint8_t> bytes;
    bytes.reserve(merged.size() * 4);
    for (const RepetitionRecord& record : merged) {
        uint32_t value = static_cast<uint32_t>(record.repeatCount);
        for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
    }
    // A failed save leaves the old file whole, and this run's answers still to be replayed.
    const FileWriteResult written = WriteFileAtomically(SavedFileToWrite(name), bytes.data(), bytes.size());
    if (!written) return NotSavedBecause(written.error);
    // The file holds this run's answers now: saving again replays none of them twice.
    list.counts = merged;
    std::fill(list.judged.begin(), list.judged.end(), 0);
    return SaveResult{};
}

bool IsTopicUnlocked(int first, int last) {
    if (first == 0) return true;
    // Unlocked by a file that can be loaded: a pipe or a folder of that name unlocks nothing.
    std::vector<uint8_t> bytes;
    return ReadFileWithin(SavedFileToRead(RepetitionFileName(first, last)), kRepetitionFileLimit, bytes);
}

SaveResult UnlockTopic(int first, int last) {
    std::vector<uint8_t> zeros(first < last ? (static_cast<size_t>(last) - first) * 4 : 0, 0);
    const FileWriteResult written =
        WriteFileAtomically(SavedFileToWrite(RepetitionFileName(first, last)), zeros.data(), zeros.size());
    return written ? SaveResult{} : NotSavedBecause(written.error);
}

TopicUnlock UnlockNextTopic(const AppContext& app, int topicIndex) {
    if (topicIndex < 0 || topicIndex >= app.topicCount - 1) return TopicUnlock{};
    const TopicInfo& passed = app.topics[topicIndex];
    const TopicInfo& next = app.topics[topicIndex + 1];
    // Own topics are always open, and passing one opens no designed topic.
    if (passed.ownTopic >= 0 || next.ownTopic >= 0) return TopicUnlock{};
    // Looked at under the lock: another game that unlocked and played the next topic meanwhile
    // keeps its file.
    if (!IsTopicUnlocked(passed.firstWord, passed.lastWord) ||
        IsTopicUnlocked(next.firstWord, next.lastWord)) {
        return TopicUnlock{};
    }
    TopicUnlock unlock;
    unlock.save = UnlockTopic(next.firstWord, next.lastWord);
    unlock.unlocked = static_cast<bool>(unlock.save);
    return unlock;
}

int ChooseNextWord(WordList& list) {
    const size_t n = ChoiceSize(list);
    if (n == 0) return -1;
    const int start = static_cast<int>(Draw() % n);
    if (Draw() % 10 >= 5) return FindUnasked(list, start);
    // Highest level first. Only the levels some unasked entry has can succeed, so those are the
    // ones tried: a file value of two billion must not mean two billion empty scans.
    std::vector<int32_t> levels;
    for (size_t i = 0; i < n; ++i) {
        if (!list.asked[i] && list.counts[i].repeatCount >= 0) levels.push_back(list.counts[i].repeatCount);
    }
    std::sort(levels.rbegin(), levels.rend());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    for (int32_t level : levels) {
        int found = FindUnaskedWithCount(list, start, level);
        if (found != -1) return found;
    }
    return -1;
}

int FindUnasked(WordList& list, int start) {
    return FindUnaskedWhere(list, start, [](size_t) { return true; });
}

int FindUnaskedWithCount(WordList& list, int start, int level) {
    return FindUnaskedWhere(list, start,
                            [&list, level](size_t index) { return list.counts[index].repeatCount == level; });
}

void MarkCorrect(WordList& list) {
    if (!CurrentHasCount(list)) return;
    int32_t& count = list.counts[list.currentWord].repeatCount;
    count = LoweredCount(count);
    Judge(list, -1);
}

void MarkWrong(WordList& list) {
    if (!CurrentHasCount(list)) return;
    int32_t& count = list.counts[list.currentWord].repeatCount;
    count = RaisedCount(count);
    Judge(list, +1);
}

int CountLearned(const WordList& list) {
    return static_cast<int>(
        std::count_if(list.counts.begin(), list.counts.end(),
                      [](const RepetitionRecord& record) { return record.repeatCount == 0; }));
}
