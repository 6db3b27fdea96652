#include "learning/ReviewRun.h"

#include <map>
#include <utility>

#include "learning/RepetitionStore.h"
#include "learning/SaveFolderLock.h"
#include "learning/WordList.h"

std::vector<CardRef> reviewCards;

namespace {

struct TopicCards {
    std::vector<WordEntry> entries;
    std::vector<RepetitionRecord> counts;
};

bool RowExists(int topicIndex) { return app != nullptr && topicIndex >= 0 && topicIndex < app->topicCount; }

}  // namespace

size_t LoadReviewCards(const std::string& wordFilePath) {
    const std::vector<CardRef> chosen = ChooseReviewCards();
    reviewCards.clear();
    WordList run;
    // Each topic's entries and counts are read once, when its first card is met.
    std::map<int, TopicCards> topics;
    for (const CardRef& card : chosen) {
        if (!RowExists(card.topicIndex)) continue;
        auto found = topics.find(card.topicIndex);
        if (found == topics.end()) {
            const TopicInfo& topic = app->topics[card.topicIndex];
            LoadTopicEntries(wordFilePath, topic.firstWord, topic.lastWord);
            LoadRepetitions(topic.firstWord, topic.lastWord);
            found = topics.emplace(card.topicIndex, TopicCards{wordList.entries, wordList.counts}).first;
        }
        const TopicCards& topic = found->second;
        if (card.entry < 0 || static_cast<size_t>(card.entry) >= topic.entries.size()) continue;
        run.entries.push_back(topic.entries[card.entry]);
        run.counts.push_back(static_cast<size_t>(card.entry) < topic.counts.size() ? topic.counts[card.entry]
                                                                                   : RepetitionRecord{1});
        reviewCards.push_back(card);
    }
    run.asked.assign(run.entries.size(), false);
    run.judged.assign(run.entries.size(), 0);
    wordList = std::move(run);
    return reviewCards.size();
}

void ForgetReviewCards() { std::vector<CardRef>().swap(reviewCards); }

const CardRef* CurrentReviewCard() {
    if (wordList.currentWord >= reviewCards.size()) return nullptr;
    return &reviewCards[wordList.currentWord];
}

bool SaveReviewRepetitions() {
    const SaveFolderLock lock;
    // Each topic's save works on the one word list; the run's own list comes back afterwards.
    WordList run = std::move(wordList);
    bool saved = true;
    std::map<int, bool> done;
    for (size_t i = 0; i < reviewCards.size() && i < run.judged.size(); ++i) {
        const int row = reviewCards[i].topicIndex;
        if (!RowExists(row) || done.count(row)) continue;
        done[row] = true;
        const TopicInfo& topic = app->topics[row];
        ReleaseEntries();
        LoadRepetitions(topic.firstWord, topic.lastWord);  // the counts as the file holds them
        bool anyJudged = false;
        for (size_t j = i; j < reviewCards.size() && j < run.judged.size(); ++j) {
            const auto entry = static_cast<size_t>(reviewCards[j].entry);
            if (reviewCards[j].topicIndex != row || run.judged[j] == 0 || entry >= wordList.judged.size())
                continue;
            wordList.judged[entry] = run.judged[j];
            anyJudged = true;
        }
        if (!anyJudged) continue;
        if (!SaveRepetitions(topic.firstWord, topic.lastWord)) {
            saved = false;
            continue;
        }
        for (size_t j = i; j < reviewCards.size() && j < run.judged.size(); ++j) {
            if (reviewCards[j].topicIndex == row) run.judged[j] = 0;
        }
    }
    wordList = std::move(run);
    return saved;
}
