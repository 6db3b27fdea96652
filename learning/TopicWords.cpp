#include "learning/TopicWords.h"

#include "game/AppContext.h"
#include "learning/AnswerCheck.h"
#include "learning/OwnAnswerCheck.h"
#include "learning/OwnTopicCounts.h"
#include "learning/OwnTopics.h"
#include "learning/RepetitionStore.h"
#include "learning/WordList.h"

namespace {

const TopicInfo* RowInfo(int row) {
    if (app == nullptr || row < 0 || row >= app->topicCount) return nullptr;
    return &app->topics[row];
}

void LoadOwnCards(const OwnTopic& topic) {
    ReleaseEntries();
    wordList.entries = topic.cards;
    wordList.currentWord = 0;
    LoadOwnTopicCounts(topic);
}

}  // namespace

const OwnTopic* OwnTopicOfRow(int row) {
    const TopicInfo* info = RowInfo(row);
    if (info == nullptr || info->ownTopic < 0 || static_cast<size_t>(info->ownTopic) >= ownTopics.size())
        return nullptr;
    return &ownTopics[static_cast<size_t>(info->ownTopic)];
}

void LoadTopicWords(int row) {
    if (const OwnTopic* own = OwnTopicOfRow(row)) {
        LoadOwnCards(*own);
        wordList.languages = own->languages;
        return;
    }
    const TopicInfo* info = RowInfo(row);
    if (info == nullptr) return;
    LoadTopicEntries(app->wordFilePath, info->firstWord, info->lastWord);
    LoadRepetitions(info->firstWord, info->lastWord);
    wordList.languages = SideLanguages{};  // English and Spanish, under the design's flags
}

void LoadTopicProgress(int row) {
    if (const OwnTopic* own = OwnTopicOfRow(row)) {
        LoadOwnCards(*own);
        return;
    }
    const TopicInfo* info = RowInfo(row);
    if (info == nullptr) return;
    // Without entries the counts are the file's as they stand (or one per word when there is none).
    ReleaseEntries();
    LoadRepetitions(info->firstWord, info->lastWord);
}

SaveResult SaveTopicCounts(int row) {
    if (const OwnTopic* own = OwnTopicOfRow(row)) return SaveOwnTopicCounts(*own);
    const TopicInfo* info = RowInfo(row);
    // No row, no counts to keep: nothing is written.
    return info != nullptr ? SaveRepetitions(info->firstWord, info->lastWord) : SaveResult{};
}

bool IsRowUnlocked(int row) {
    if (OwnTopicOfRow(row) != nullptr) return true;
    const TopicInfo* info = RowInfo(row);
    return info != nullptr && IsTopicUnlocked(info->firstWord, info->lastWord);
}

AnswerVerdict JudgeTypedAnswer(int row, const std::u16string& typed, const std::u16string& expected) {
    if (OwnTopicOfRow(row) != nullptr)
        return CheckOwnAnswer(typed, expected, CurrentLanguages().answer == "en");
    AnswerVerdict verdict;
    verdict.right = CheckAnswer(typed, expected);
    if (verdict.right && TypedInAnotherSpelling(typed, expected)) verdict.spellingToShow = expected;
    if (!verdict.right) verdict = DesignedNearMiss(typed, expected);
    return verdict;
}
