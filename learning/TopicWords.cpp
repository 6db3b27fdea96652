#include "learning/TopicWords.h"

#include "game/state/AppContext.h"
#include "learning/AnswerCheck.h"
#include "learning/Learner.h"
#include "learning/LearningRun.h"
#include "learning/OwnAnswerCheck.h"
#include "learning/OwnTopicCounts.h"
#include "learning/OwnTopics.h"
#include "learning/RepetitionStore.h"
#include "learning/WordList.h"

namespace {

using record::Direction;

const TopicInfo* RowInfo(const AppContext& app, int row) {
    if (row < 0 || row >= app.topicCount) return nullptr;
    return &app.topics[row];
}

// Asked the other way round, every entry shows its answer and expects its prompt.
void TurnEntries(WordList& list) {
    for (WordEntry& entry : list.entries) entry = Reversed(entry);
    list.languages = Reversed(list.languages);
}

// The row's entries, asked in `direction`, with the languages and counts that go with them.
void LoadEntries(const AppContext& app, const Learner& learner, WordList& list, int row, Direction direction,
                 bool withEntries) {
    const OwnTopic* own = OwnTopicOfRow(app, learner, row);
    const TopicInfo* info = RowInfo(app, row);
    if (info == nullptr) return;
    ReleaseEntries(list);
    if (own != nullptr) {
        list.entries = own->cards;
        list.languages = own->languages;
    } else if (withEntries || direction == Direction::Reverse) {
        // A reverse run's counts are the record's, found by the cards' words.
        LoadTopicEntries(list, app.wordFilePath, info->firstWord, info->lastWord);
        list.languages = SideLanguages{};  // English and Spanish, under the design's flags
    }
    list.currentWord = 0;
    if (direction == Direction::Reverse) TurnEntries(list);
    if (const std::optional<record::Deck> deck = CountsDeck(app, learner, row, direction)) {
        LoadKeptCounts(list, *deck, direction);
    } else {
        // Without entries the counts are the file's as they stand (or one per word when there is none).
        LoadRepetitions(list, info->firstWord, info->lastWord);
    }
}

}  // namespace

const OwnTopic* OwnTopicOfRow(const AppContext& app, const Learner& learner, int row) {
    const TopicInfo* info = RowInfo(app, row);
    if (info == nullptr || info->ownTopic < 0 ||
        static_cast<size_t>(info->ownTopic) >= learner.ownTopics.size())
        return nullptr;
    return &learner.ownTopics[static_cast<size_t>(info->ownTopic)];
}

std::optional<record::Deck> CountsDeck(const AppContext& app, const Learner& learner, int row,
                                       Direction direction) {
    if (const OwnTopic* own = OwnTopicOfRow(app, learner, row)) return record::Deck::OwnList(own->listFile);
    const TopicInfo* info = RowInfo(app, row);
    if (info == nullptr || direction == Direction::Forward) return std::nullopt;
    return record::Deck::Designed(info->firstWord, info->lastWord);
}

void LoadTopicWords(const AppContext& app, const Learner& learner, WordList& list, int row,
                    Direction direction) {
    LoadEntries(app, learner, list, row, direction, true);
}

void LoadTopicProgress(const AppContext& app, const Learner& learner, WordList& list, int row,
                       Direction direction) {
    LoadEntries(app, learner, list, row, direction, false);
}

SaveResult SaveTopicCounts(const AppContext& app, const Learner& learner, WordList& list, int row) {
    // An own topic's counts and every reverse run's are the record's, saved in the run's transaction
    // (learning/RunEndSave.h).
    if (OwnTopicOfRow(app, learner, row) != nullptr || list.languages.reversed) return SaveResult{};
    const TopicInfo* info = RowInfo(app, row);
    // No row, no counts to keep: nothing is written.
    return info != nullptr ? SaveRepetitions(list, info->firstWord, info->lastWord) : SaveResult{};
}

bool IsRowUnlocked(const AppContext& app, const Learner& learner, int row) {
    if (OwnTopicOfRow(app, learner, row) != nullptr) return true;
    const TopicInfo* info = RowInfo(app, row);
    return info != nullptr && IsTopicUnlocked(info->firstWord, info->lastWord);
}

AnswerVerdict JudgeTypedAnswer(const AppContext& app, const Learner& learner, const WordList& words, int row,
                               const std::u16string& typed, const std::u16string& expected) {
    // Asked the other way round, a designed topic's answer is the English side, written with
    // alternatives and parentheses as an own list's are.
    if (OwnTopicOfRow(app, learner, row) != nullptr || CurrentLanguages(words).reversed)
        return CheckOwnAnswer(typed, expected, CurrentLanguages(words).answer == "en");
    AnswerVerdict verdict;
    verdict.right = CheckAnswer(typed, expected);
    if (verdict.right && TypedInAnotherSpelling(typed, expected)) verdict.spellingToShow = expected;
    if (!verdict.right) verdict = DesignedNearMiss(typed, expected);
    return verdict;
}
