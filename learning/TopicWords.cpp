#include "learning/TopicWords.h"

#include "game/AppContext.h"
#include "learning/AnswerCheck.h"
#include "learning/Learner.h"
#include "learning/LearningRun.h"
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

void LoadOwnCards(WordList& list, const OwnTopic& topic) {
    ReleaseEntries(list);
    list.entries = topic.cards;
    list.currentWord = 0;
    LoadOwnTopicCounts(list, topic);
}

}  // namespace

const OwnTopic* OwnTopicOfRow(int row) {
    const TopicInfo* info = RowInfo(row);
    if (info == nullptr || info->ownTopic < 0 ||
        static_cast<size_t>(info->ownTopic) >= learner.ownTopics.size())
        return nullptr;
    return &learner.ownTopics[static_cast<size_t>(info->ownTopic)];
}

void LoadTopicWords(WordList& list, int row) {
    if (const OwnTopic* own = OwnTopicOfRow(row)) {
        LoadOwnCards(list, *own);
        list.languages = own->languages;
        return;
    }
    const TopicInfo* info = RowInfo(row);
    if (info == nullptr) return;
    LoadTopicEntries(list, app->wordFilePath, info->firstWord, info->lastWord);
    LoadRepetitions(list, info->firstWord, info->lastWord);
    list.languages = SideLanguages{};  // English and Spanish, under the design's flags
}

void LoadTopicProgress(WordList& list, int row) {
    if (const OwnTopic* own = OwnTopicOfRow(row)) {
        LoadOwnCards(list, *own);
        return;
    }
    const TopicInfo* info = RowInfo(row);
    if (info == nullptr) return;
    // Without entries the counts are the file's as they stand (or one per word when there is none).
    ReleaseEntries(list);
    LoadRepetitions(list, info->firstWord, info->lastWord);
}

SaveResult SaveTopicCounts(WordList& list, int row) {
    // An own topic's counts are the record's, saved in the run's transaction (learning/RunEndSave.h).
    if (OwnTopicOfRow(row) != nullptr) return SaveResult{};
    const TopicInfo* info = RowInfo(row);
    // No row, no counts to keep: nothing is written.
    return info != nullptr ? SaveRepetitions(list, info->firstWord, info->lastWord) : SaveResult{};
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
