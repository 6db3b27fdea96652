#include "learning/ReviewRun.h"

#include <algorithm>
#include <map>
#include <utility>

#include "learning/RepetitionStore.h"
#include "learning/TopicWords.h"
#include "learning/WordList.h"

std::vector<CardRef> reviewCards;

namespace {

struct TopicCards {
    std::vector<WordEntry> entries;
    std::vector<RepetitionRecord> counts;
    SideLanguages languages;
};

bool RowExists(int topicIndex) { return app != nullptr && topicIndex >= 0 && topicIndex < app->topicCount; }

}  // namespace

size_t LoadReviewCards() {
    const std::vector<CardRef> chosen = ChooseReviewCards();
    reviewCards.clear();
    WordList run;
    // Each topic's entries and counts are read once, when its first card is met.
    std::map<int, TopicCards> topics;
    for (const CardRef& card : chosen) {
        if (!RowExists(card.topicIndex)) continue;
        auto found = topics.find(card.topicIndex);
        if (found == topics.end()) {
            LoadTopicWords(card.topicIndex);  // designed or own
            found = topics
                        .emplace(card.topicIndex,
                                 TopicCards{wordList.entries, wordList.counts, wordList.languages})
                        .first;
        }
        const TopicCards& topic = found->second;
        if (card.entry < 0 || static_cast<size_t>(card.entry) >= topic.entries.size()) continue;
        run.entries.push_back(topic.entries[card.entry]);
        run.counts.push_back(static_cast<size_t>(card.entry) < topic.counts.size() ? topic.counts[card.entry]
                                                                                   : RepetitionRecord{1});
        reviewCards.push_back(card);
        run.entryLanguages.push_back(topic.languages);
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

int CurrentReviewRow() {
    const CardRef* card = CurrentReviewCard();
    return card ? card->topicIndex : -1;
}

std::vector<int> ReviewedRows() {
    std::vector<int> rows;
    for (size_t i = 0; i < reviewCards.size() && i < wordList.judged.size(); ++i) {
        const int row = reviewCards[i].topicIndex;
        if (wordList.judged[i] != 0 && std::find(rows.begin(), rows.end(), row) == rows.end())
            rows.push_back(row);
    }
    return rows;
}

SaveResult SaveReviewedCounts(int row) {
    if (!RowExists(row)) return SaveResult{};
    // The row's save works on the one word list; the run's own list comes back afterwards.
    WordList run = std::move(wordList);
    LoadTopicProgress(row);  // the counts as the file holds them
    wordList.judged.assign(wordList.counts.size(), 0);
    bool anyJudged = false;
    for (size_t j = 0; j < reviewCards.size() && j < run.judged.size(); ++j) {
        const auto entry = static_cast<size_t>(reviewCards[j].entry);
        if (reviewCards[j].topicIndex != row || run.judged[j] == 0 || entry >= wordList.judged.size())
            continue;
        wordList.judged[entry] = run.judged[j];
        // Where the file has no count for the card, the save keeps the one in memory, as a test's.
        if (j < run.counts.size() && entry < wordList.counts.size()) wordList.counts[entry] = run.counts[j];
        anyJudged = true;
    }
    SaveResult result;
    if (anyJudged) result = SaveTopicCounts(row);
    wordList = std::move(run);
    return result;
}
