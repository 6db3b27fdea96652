#include "learning/OwnTopicCounts.h"

#include <map>

#include "formats/RepetitionCount.h"
#include "learning/TopicWords.h"
#include "learning/WordList.h"
#include "record/RecordStore.h"

namespace {

// The same rules as the designed counts: a wrong answer raises a count up to 5, a right one lowers it to 0.
int32_t Stepped(int32_t count, int8_t step) {
    if (step > 0) return count <= 4 ? count + 1 : count;
    if (step < 0) return count >= 1 ? count - 1 : count;
    return count;
}

// A kept count is one the rules could have made; anything else reads as a new word's.
bool CountInRange(int32_t count) { return CountAsRead(count) == count; }

}  // namespace

std::string OwnCountsFileName(const std::string& listFile, int part) {
    return "lists/" + listFile + "." + std::to_string(part) + ".counts";
}

void LoadKeptCounts(WordList& list, const record::Deck& deck, record::Direction direction) {
    std::map<record::CardWords, int32_t> kept;
    for (const auto& [words, state] : record::KeptStates(deck, direction)) {
        if (CountInRange(state.count)) kept.emplace(words, state.count);
    }
    list.counts.clear();
    for (const WordEntry& entry : list.entries) {
        const auto found = kept.find(CardWordsOf(entry, list.languages));
        list.counts.push_back(RepetitionRecord{found == kept.end() ? kNewWordCount : found->second});
    }
    list.asked.assign(list.counts.size(), false);
    list.judged.assign(list.counts.size(), 0);
}

record::CardWords CardWordsOf(const WordEntry& entry, const SideLanguages& languages) {
    const WordEntry asListed = languages.reversed ? Reversed(entry) : entry;
    return record::CardWords{asListed.prompt, asListed.answer};
}

std::vector<KeptCount> PutKeptCounts(const AppContext& app, const Learner& learner,
                                     record::Transaction& change, const WordList& list,
                                     const std::function<int(size_t)>& rowOfEntry) {
    std::vector<KeptCount> kept;
    const size_t n = std::min({list.entries.size(), list.counts.size(), list.judged.size()});
    for (size_t i = 0; i < n; ++i) {
        const int8_t step = list.judged[i];
        if (step == 0) continue;
        const SideLanguages& languages =
            i < list.entryLanguages.size() ? list.entryLanguages[i] : list.languages;
        const record::Direction direction =
            languages.reversed ? record::Direction::Reverse : record::Direction::Forward;
        const std::optional<record::Deck> deck = CountsDeck(app, learner, rowOfEntry(i), direction);
        if (!deck) continue;
        const record::CardWords words = CardWordsOf(list.entries[i], languages);
        // Another game may have saved since this one loaded: its count is taken and this run's
        // judged answer replayed onto it.
        record::CardState state = change.State(*deck, words, direction).value_or(record::CardState{});
        const int32_t count =
            CountInRange(state.count) ? Stepped(state.count, step) : list.counts[i].repeatCount;
        state.count = count;
        if (change.PutState(*deck, words, direction, state)) kept.push_back(KeptCount{i, count});
    }
    return kept;
}

void TakeKeptCounts(WordList& list, const std::vector<KeptCount>& kept) {
    for (const KeptCount& count : kept) {
        if (count.entry < list.counts.size()) list.counts[count.entry].repeatCount = count.count;
        if (count.entry < list.judged.size()) list.judged[count.entry] = 0;
    }
}
