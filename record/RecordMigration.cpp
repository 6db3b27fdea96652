#include "record/RecordMigration.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>

#include "formats/BoundedFileRead.h"
#include "formats/OwnTopicCountsFile.h"
#include "formats/ScheduleFile.h"
#include "platform/GameFolder.h"

namespace record {

namespace {

constexpr char kListsFolder[] = "lists/";

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The regular files of `folder` whose names end in one of `endings`, named with `prefix`.
void AddFilesEnding(const std::string& folder, const std::string& prefix,
                    std::initializer_list<const char*> endings, std::vector<std::string>& found) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code kind;
        if (!it->is_regular_file(kind)) continue;
        for (const char* ending : endings) {
            if (EndsWith(name, ending)) {
                found.push_back(prefix + name);
                break;
            }
        }
    }
}

// What an old topic's files say about each of its cards: counts by words, boxes by place.
std::map<CardWords, CardState> ReadOldTopic(const std::string& folder, const OldTopic& topic,
                                            const std::vector<std::string>& found,
                                            std::vector<int32_t>& days) {
    std::map<CardWords, CardState> cards;
    const auto there = [&](const std::string& name) {
        return !name.empty() && std::find(found.begin(), found.end(), name) != found.end();
    };
    std::vector<uint8_t> bytes;
    if (there(topic.countsFile) && ReadFileWithin(folder + topic.countsFile, kOwnTopicCountsLimit, bytes)) {
        for (const OwnCardCount& card : ParseOwnTopicCounts(bytes.data(), bytes.size())) {
            if (card.count >= 0 && card.count <= 5)
                cards[CardWords{card.prompt, card.answer}].count = card.count;
        }
    }
    if (there(topic.scheduleFile) && ReadFileWithin(folder + topic.scheduleFile, kScheduleFileLimit, bytes)) {
        ScheduleFileContent content;
        if (ReadScheduleFile(bytes.data(), bytes.size(), content) != ScheduleRead::FutureVersion) {
            const size_t kept = std::min(content.cards.size(), topic.cards.size());
            for (size_t i = 0; i < kept; ++i) {
                const ScheduleCardRecord& record = content.cards[i];
                if (record.box == 0) continue;  // new, or read as new because it broke the rules
                CardState& state = cards[topic.cards[i]];
                state.box = record.box;
                state.lastDay = record.lastDay;
                state.dueDay = record.dueDay;
                state.missed = (record.flags & kScheduleMissedFlag) != 0;
            }
            days.insert(days.end(), content.practisedDays.begin(), content.practisedDays.end());
        }
    }
    return cards;
}

// Moves `name` into the migrated folder under a name no file has there yet.
void MoveToMigrated(const std::string& folder, const std::string& name) {
    const std::string target = folder + kMigratedFolder + name;
    platform::MakeFolders(target.substr(0, target.find_last_of('/') + 1));
    std::string free = target;
    for (int n = 2; platform::PathExists(free) && n < 1000; ++n) free = target + "." + std::to_string(n);
    std::rename((folder + name).c_str(), free.c_str());
}

}  // namespace

std::vector<std::string> OldFilesIn(const std::string& folder) {
    std::vector<std::string> found;
    AddFilesEnding(folder, "", {"_box.dat"}, found);
    AddFilesEnding(folder + kListsFolder, kListsFolder, {".counts", ".counts_box.dat"}, found);
    std::sort(found.begin(), found.end());
    return found;
}

WriteResult CarryOverOldFiles(const std::string& folder, const std::vector<OldTopic>& topics,
                              const std::vector<std::string>& found) {
    Transaction carry;
    // At start-up, before the window: a short wait for another game's write is no frame lost.
    const WriteResult begun = carry.Begin(500);
    if (!begun.Done()) return begun;
    std::vector<int32_t> days;
    for (const OldTopic& topic : topics) {
        for (const auto& [words, old] : ReadOldTopic(folder, topic, found, days)) {
            // What the record already holds for a card wins; the old files only fill in.
            CardState state = carry.State(topic.deck, words, Direction::Forward).value_or(old);
            if (state.count == CardState::kNoCount) state.count = old.count;
            if (state.box == 0 && old.box != 0) {
                state.box = old.box;
                state.lastDay = old.lastDay;
                state.dueDay = old.dueDay;
                state.missed = old.missed;
            }
            carry.PutState(topic.deck, words, Direction::Forward, state);
        }
    }
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    for (int32_t day : days) carry.AddPractisedDay(day);
    const WriteResult committed = carry.Commit();
    if (!committed.Done()) return committed;
    for (const std::string& name : found) MoveToMigrated(folder, name);
    return committed;
}

}  // namespace record
