#include "learning/OwnTopicCounts.h"

#include <cerrno>
#include <cstdio>
#include <vector>

#include "formats/BoundedFileRead.h"
#include "formats/OwnTopicCountsFile.h"
#include "formats/RepetitionCount.h"
#include "game/SaveFolder.h"
#include "learning/LearningRun.h"
#include "learning/WordList.h"
#include "platform/GameFolder.h"
#include "platform/SafeFileWrite.h"

namespace {

CardCounts ReadCounts(const std::string& name) {
    CardCounts counts;
    std::vector<uint8_t> bytes;
    if (!ReadFileWithin(SavedFileToRead(name), kOwnTopicCountsLimit, bytes)) return counts;
    for (OwnCardCount& card : ParseOwnTopicCounts(bytes.data(), bytes.size()))
        counts.emplace(std::make_pair(std::move(card.prompt), std::move(card.answer)), card.count);
    return counts;
}

SaveResult WriteCounts(const std::string& name, const std::vector<OwnCardCount>& cards) {
    const std::vector<uint8_t> bytes = FormatOwnTopicCounts(cards);
    const std::string path = SavedFileToWrite(name);
    platform::MakeFolders(path.substr(0, path.find_last_of('/') + 1));
    const FileWriteResult written = WriteFileAtomically(path, bytes.data(), bytes.size());
    return written ? SaveResult{} : NotSavedBecause(written.error);
}

// The same rules as the designed counts: a wrong answer raises a count up to 5, a right one lowers it to 0.
int32_t Stepped(int32_t count, int8_t step) {
    if (step > 0) return count <= 4 ? count + 1 : count;
    if (step < 0) return count >= 1 ? count - 1 : count;
    return count;
}

}  // namespace

std::string OwnCountsFileName(const std::string& listFile, int part) {
    return "lists/" + listFile + "." + std::to_string(part) + ".counts";
}

void LoadOwnTopicCounts(WordList& list, const OwnTopic& topic) {
    const CardCounts saved = ReadCounts(OwnCountsFileName(topic.listFile, topic.part));
    list.counts.clear();
    for (const WordEntry& entry : list.entries) {
        const auto found = saved.find(std::make_pair(entry.prompt, entry.answer));
        list.counts.push_back(RepetitionRecord{found == saved.end() ? kNewWordCount : found->second});
    }
    list.asked.assign(list.counts.size(), false);
    list.judged.assign(list.counts.size(), 0);
}

SaveResult SaveOwnTopicCounts(WordList& list, const OwnTopic& topic) {
    const std::string name = OwnCountsFileName(topic.listFile, topic.part);
    // Another game may have saved since this one loaded: its counts are taken and this run's
    // judged answers replayed onto them.
    const CardCounts disk = ReadCounts(name);
    std::vector<RepetitionRecord> merged = list.counts;
    std::vector<OwnCardCount> cards;
    for (size_t i = 0; i < list.entries.size() && i < merged.size(); ++i) {
        const WordEntry& entry = list.entries[i];
        const auto found = disk.find(std::make_pair(entry.prompt, entry.answer));
        const int8_t step = i < list.judged.size() ? list.judged[i] : 0;
        if (found != disk.end()) merged[i].repeatCount = Stepped(found->second, step);
        cards.push_back(OwnCardCount{entry.prompt, entry.answer, merged[i].repeatCount});
    }
    const SaveResult written = WriteCounts(name, cards);
    if (!written) return written;
    list.counts = merged;
    std::fill(list.judged.begin(), list.judged.end(), 0);
    return written;
}

CardCounts SavedCountsOfList(const std::string& listFile, int parts) {
    CardCounts all;
    for (int part = 1; part <= parts; ++part) {
        for (auto& entry : ReadCounts(OwnCountsFileName(listFile, part))) all.insert(std::move(entry));
    }
    return all;
}

void ReplaceCountsOfList(const std::string& listFile, int oldParts, const std::vector<OwnTopic>& topics,
                         const CardCounts& carried) {
    for (int part = 1; part <= oldParts; ++part) {
        const std::string path = SaveWriteFolder() + OwnCountsFileName(listFile, part);
        std::remove(path.c_str());
    }
    for (const OwnTopic& topic : topics) {
        std::vector<OwnCardCount> cards;
        for (const WordEntry& card : topic.cards) {
            const auto found = carried.find(std::make_pair(card.prompt, card.answer));
            if (found != carried.end())
                cards.push_back(OwnCardCount{card.prompt, card.answer, found->second});
        }
        if (!cards.empty()) WriteCounts(OwnCountsFileName(listFile, topic.part), cards);
    }
}
