#include "learning/ReviewRun.h"

#include <algorithm>
#include <map>
#include <utility>

#include "learning/LearningRun.h"
#include "learning/RepetitionStore.h"
#include "learning/TopicWords.h"
#include "learning/WordList.h"

size_t LoadReviewCards(const AppContext& app, Learner& learner, LearningRun& currentRun) {
    const std::vector<CardRef> chosen = ChooseReviewCards(app, learner);
    std::vector<CardRef> cards;
    WordList run;
    // Each topic's entries and counts are read once, when its first card is met.
    std::map<std::pair<int, record::Direction>, WordList> topics;
    for (const CardRef& card : chosen) {
        if (!app.HasTopicRow(card.topicIndex)) continue;
        // Each card is asked the way it is due: a topic's two directions are loaded apart.
        const auto key = std::make_pair(card.topicIndex, card.direction);
        auto found = topics.find(key);
        if (found == topics.end()) {
            found = topics.emplace(key, WordList{}).first;
            LoadTopicWords(app, learner, found->second, card.topicIndex, card.direction);  // designed or own
        }
        const WordList& topic = found->second;
        if (card.entry < 0 || static_cast<size_t>(card.entry) >= topic.entries.size()) continue;
        run.entries.push_back(topic.entries[card.entry]);
        run.counts.push_back(static_cast<size_t>(card.entry) < topic.counts.size() ? topic.counts[card.entry]
                                                                                   : RepetitionRecord{1});
        cards.push_back(card);
        run.entryLanguages.push_back(topic.languages);
    }
    run.asked.assign(run.entries.size(), false);
    run.judged.assign(run.entries.size(), 0);
    currentRun.words = std::move(run);
    currentRun.reviewCards = std::move(cards);
    return currentRun.reviewCards.size();
}

void ForgetReviewCards(LearningRun& currentRun) { std::vector<CardRef>().swap(currentRun.reviewCards); }

const CardRef* CurrentReviewCard(LearningRun& currentRun) {
    if (currentRun.words.currentWord >= currentRun.reviewCards.size()) return nullptr;
    return &currentRun.reviewCards[currentRun.words.currentWord];
}

int CurrentReviewRow(LearningRun& currentRun) {
    const CardRef* card = CurrentReviewCard(currentRun);
    return card ? card->topicIndex : -1;
}

std::vector<int> ReviewedRows(LearningRun& currentRun) {
    std::vector<int> rows;
    for (size_t i = 0; i < currentRun.reviewCards.size() && i < currentRun.words.judged.size(); ++i) {
        const int row = currentRun.reviewCards[i].topicIndex;
        if (currentRun.words.judged[i] != 0 && std::find(rows.begin(), rows.end(), row) == rows.end())
            rows.push_back(row);
    }
    return rows;
}

SaveResult SaveReviewedCounts(const AppContext& app, Learner& learner, LearningRun& currentRun, int row) {
    if (!app.HasTopicRow(row) || OwnTopicOfRow(app, learner, row) != nullptr) return SaveResult{};
    // The row's counts as the file holds them, with the run's answers to the row's cards beside them.
    WordList topic;
    LoadTopicProgress(app, learner, topic, row);
    topic.judged.assign(topic.counts.size(), 0);
    const WordList& run = currentRun.words;
    const std::vector<CardRef>& cards = currentRun.reviewCards;
    bool anyJudged = false;
    for (size_t j = 0; j < cards.size() && j < run.judged.size(); ++j) {
        const auto entry = static_cast<size_t>(cards[j].entry);
        // A reverse card's count is the record's (learning/OwnTopicCounts.h), never the file's.
        if (cards[j].topicIndex != row || cards[j].direction != record::Direction::Forward ||
            run.judged[j] == 0 || entry >= topic.judged.size())
            continue;
        topic.judged[entry] = run.judged[j];
        // Where the file has no count for the card, the save keeps the one in memory, as a test's.
        if (j < run.counts.size() && entry < topic.counts.size()) topic.counts[entry] = run.counts[j];
        anyJudged = true;
    }
    return anyJudged ? SaveTopicCounts(app, learner, topic, row) : SaveResult{};
}
