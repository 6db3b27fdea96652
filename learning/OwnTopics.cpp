#include "learning/OwnTopics.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <set>

#include "formats/BoundedFileRead.h"
#include "formats/LanguageGuess.h"
#include "game/saves/SaveFolder.h"
#include "game/state/AppContext.h"
#include "learning/Learner.h"
#include "learning/ListFileNames.h"
#include "learning/SaveFolderLock.h"
#include "platform/GameFolder.h"
#include "platform/Platform.h"
#include "platform/SafeFileWrite.h"
#include "record/RecordStore.h"
#include "unicode/Utf8Utf16.h"

namespace {

constexpr char kListsFolderName[] = "lists/";

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WriteListsFolder() { return SaveWriteFolder() + kListsFolderName; }

// The folders lists are read from: the save folder's, then, for an installed game that saves in
// the player's folder, the read-only game folder's (lists left there before it became read-only).
std::vector<std::string> ListsFoldersToRead() {
    std::vector<std::string> folders{WriteListsFolder()};
    const std::string gameLists = platform::GameFolder() + "data/" + kListsFolderName;
    if (gameLists != folders[0]) folders.push_back(gameLists);
    return folders;
}

// How many of the list's topics have a row in the topics table.
size_t RowsOfList(const AppContext& app, const Learner& learner, const std::string& listFile) {
    size_t rows = 0;
    for (int row = 0; row < app.topicCount; ++row) {
        const int32_t own = app.topics[row].ownTopic;
        if (own >= 0 && static_cast<size_t>(own) < learner.ownTopics.size() &&
            learner.ownTopics[own].listFile == listFile)
            ++rows;
    }
    return rows;
}

// The designed rows stay first; the own topics follow, as many as the table holds.
void RebuildOwnTopicRows(AppContext& app, Learner& learner) {
    int designed = 0;
    while (designed < app.topicCount && app.topics[designed].ownTopic < 0) ++designed;
    app.topicCount = designed;
    for (size_t i = 0; i < learner.ownTopics.size() && app.topicCount < MAX_TOPICS; ++i) {
        TopicInfo& row = app.topics[app.topicCount++];
        row = TopicInfo{};
        row.title = learner.ownTopics[i].title;
        row.ownTopic = static_cast<int32_t>(i);
    }
}

void SortOwnTopics(Learner& learner) {
    std::stable_sort(learner.ownTopics.begin(), learner.ownTopics.end(),
                     [](const OwnTopic& a, const OwnTopic& b) {
                         return a.listFile != b.listFile ? a.listFile < b.listFile : a.part < b.part;
                     });
}

// An import or removal waits this long at most for another game's write of the record: a frame's
// worth, so the picture never stops for it.
constexpr int kRecordWaitMs = 50;

// Why the record could not be begun, in the import report's or removal's words.
std::string RecordProblem(const record::WriteResult& begun) {
    if (begun.outcome == record::WriteResult::Outcome::Busy)
        return std::string("another game is saving ") + record::kRecordFileName + "; try again";
    return std::string(record::kRecordFileName) + " cannot be written: " + begun.reason;
}

record::ListFacts FactsOf(const OwnTopic& topic) {
    record::ListFacts facts;
    facts.file = topic.listFile;
    facts.promptLanguage = SideLanguage{topic.languages.prompt, topic.promptFound};
    facts.answerLanguage = SideLanguage{topic.languages.answer, topic.answerFound};
    return facts;
}

std::string RefusalOfRead(FileReadResult result) {
    switch (result) {
        case FileReadResult::Missing:
            return "cannot be opened";
        case FileReadResult::NotRegular:
            return "not a regular file";
        case FileReadResult::TooLarge:
            return "larger than 8 MB";
        default:
            return "cannot be read";
    }
}

}  // namespace

std::vector<OwnTopic> TopicsOfList(const std::string& listFile, const std::u16string& stem,
                                   const WordListImport& list) {
    std::vector<OwnTopic> topics;
    const std::u16string listTitle = list.title.empty() ? stem : list.title;
    const SideLanguages languages{list.promptLanguage.code, list.answerLanguage.code, false};
    for (const ImportedLesson& lesson : list.lessons) {
        const std::u16string title = lesson.title.empty() ? listTitle : lesson.title;
        const size_t pieces = (lesson.cards.size() + kOwnTopicCards - 1) / kOwnTopicCards;
        for (size_t piece = 0; piece < pieces; ++piece) {
            OwnTopic topic;
            topic.listFile = listFile;
            topic.part = static_cast<int32_t>(topics.size() + 1);
            topic.title = pieces == 1 ? title : title + u" " + Utf8ToUtf16(std::to_string(piece + 1));
            topic.languages = languages;
            topic.promptFound = list.promptLanguage.found;
            topic.answerFound = list.answerLanguage.found;
            const size_t first = piece * kOwnTopicCards;
            const size_t last = std::min(lesson.cards.size(), first + kOwnTopicCards);
            for (size_t i = first; i < last; ++i)
                topic.cards.push_back(WordEntry{lesson.cards[i].prompt, lesson.cards[i].answer});
            topics.push_back(std::move(topic));
        }
    }
    return topics;
}

void ReadListsFolder(AppContext& app, Learner& learner) {
    learner.ownTopics.clear();
    std::set<std::string> seen;
    for (const std::string& folder : ListsFoldersToRead()) {
        std::error_code error;
        std::vector<std::string> names;
        for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (IsListFileName(name) && seen.insert(name).second) names.push_back(name);
        }
        for (const std::string& name : names) {
            std::vector<uint8_t> bytes;
            if (!ReadFileWithin(folder + name, kWordListLimit, bytes)) continue;
            const WordListImport list = ReadWordList(name, bytes);
            if (list.refused) continue;
            for (OwnTopic& topic : TopicsOfList(name, TitleOfListName(name), list))
                learner.ownTopics.push_back(std::move(topic));
        }
    }
    SortOwnTopics(learner);
    RebuildOwnTopicRows(app, learner);
}

std::string ImportListFile(AppContext& app, Learner& learner, const std::string& path) {
    const std::string shown = BaseName(path);
    std::vector<uint8_t> bytes;
    const FileReadResult read = ReadBoundedFile(path, kWordListLimit, bytes);
    if (read != FileReadResult::Ok || shown.empty()) return shown + ": not imported: " + RefusalOfRead(read);
    WordListImport list = ReadWordList(shown, bytes);
    if (list.refused) return DescribeImport(shown, list, 0);
    // Only here are languages guessed: the copy keeps what was found, so a start never guesses.
    GuessUnknownLanguages(list);
    const std::vector<uint8_t> copy = CopyKeepingLanguages(bytes, list);

    // Kept under a name the lists folder gives back as a list at the next start.
    const std::string name = ListCopyName(shown);
    std::vector<OwnTopic> topics = TopicsOfList(name, TitleOfListName(name), list);
    {
        // The lock is asked for once: an import never stops the picture to wait for another game.
        const SaveFolderLock lock(platform::TickCountMs());
        // The record first: nothing is deleted from it, so a copy that then cannot be written
        // leaves only the list's row, and the cards keep their progress by their words.
        record::Transaction change;
        const record::WriteResult begun = change.Begin(kRecordWaitMs);
        if (begun.outcome != record::WriteResult::Outcome::Off && !topics.empty()) {
            if (!begun.Done()) return shown + ": not imported: " + RecordProblem(begun);
            record::ListFacts facts = FactsOf(topics.front());
            facts.importedAt = static_cast<int64_t>(std::time(nullptr));
            change.PutList(facts);
            const record::WriteResult committed = change.Commit();
            if (!committed.Done()) return shown + ": not imported: " + RecordProblem(committed);
        }
        platform::MakeFolders(WriteListsFolder());
        const FileWriteResult written =
            WriteFileAtomically(WriteListsFolder() + name, copy.data(), copy.size());
        if (!written) {
            return shown + ": not imported: its copy cannot be written in the lists folder " +
                   WriteListsFolder() + " (" + std::strerror(written.error) + ")";
        }
    }
    const size_t topicCount = topics.size();
    learner.ownTopics.erase(std::remove_if(learner.ownTopics.begin(), learner.ownTopics.end(),
                                           [&name](const OwnTopic& topic) { return topic.listFile == name; }),
                            learner.ownTopics.end());
    for (OwnTopic& topic : topics) learner.ownTopics.push_back(std::move(topic));
    SortOwnTopics(learner);
    RebuildOwnTopicRows(app, learner);
    std::string line = DescribeImport(shown, list, topicCount);
    if (name != shown) line += "; kept as " + name;
    return line;
}

size_t TopicsNotShown(const AppContext& app, const Learner& learner, const std::string& listFile) {
    size_t topics = 0;
    for (const OwnTopic& topic : learner.ownTopics) topics += topic.listFile == listFile;
    return topics - std::min(topics, RowsOfList(app, learner, listFile));
}

std::vector<record::ListFacts> OwnListFacts(const Learner& learner) {
    std::vector<record::ListFacts> lists;
    for (const OwnTopic& topic : learner.ownTopics) {
        if (lists.empty() || lists.back().file != topic.listFile) lists.push_back(FactsOf(topic));
    }
    return lists;
}

ListRemoval RemoveOwnList(AppContext& app, Learner& learner, const std::string& listFile) {
    ListRemoval removal;
    {
        const SaveFolderLock lock(platform::TickCountMs());  // asked once, as for an import
        record::Transaction change;
        const record::WriteResult begun = change.Begin(kRecordWaitMs);
        const bool recorded = begun.Done();
        if (!recorded && begun.outcome != record::WriteResult::Outcome::Off) {
            removal.problem = RecordProblem(begun);
            return removal;
        }
        if (recorded) change.RemoveList(listFile);
        const std::string copy = WriteListsFolder() + listFile;
        if (std::remove(copy.c_str()) != 0 && platform::PathExists(copy)) {
            removal.problem = "it cannot be removed from the lists folder";
            return removal;  // the record's change is rolled back with it
        }
        const record::WriteResult committed = recorded ? change.Commit() : record::WriteResult{};
        // The copy is gone: the list is. Its progress stays in the record, where an import of the
        // same list finds it again.
        if (!committed.Done())
            removal.problem = std::string("its progress could not be taken out of ") +
                              record::kRecordFileName + " (" + committed.reason + ")";
    }
    removal.removed = true;
    learner.ownTopics.erase(
        std::remove_if(learner.ownTopics.begin(), learner.ownTopics.end(),
                       [&listFile](const OwnTopic& topic) { return topic.listFile == listFile; }),
        learner.ownTopics.end());
    RebuildOwnTopicRows(app, learner);
    return removal;
}
