#include "learning/ReviewSchedule.h"

#include <algorithm>
#include <ctime>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <unordered_map>

#include "formats/BoundedFileRead.h"
#include "formats/ScheduleFile.h"
#include "learning/Learner.h"
#include "learning/OwnTopicCounts.h"
#include "learning/OwnTopics.h"
#include "learning/RepetitionStore.h"
#include "learning/TopicWords.h"
#include "platform/CalendarDay.h"
#include "record/RecordFigures.h"
#include "record/RecordMigration.h"
#include "record/RecordStore.h"
#include "unicode/Utf8Utf16.h"

namespace {

using record::CardWords;
using record::Deck;
using record::Direction;

// Both directions are asked, each card by its own schedule.
constexpr Direction kDirectionsPlayed[] = {Direction::Forward, Direction::Reverse};

}  // namespace

// The schedules read so far and what they were read from: the learner's (learning/Learner.h),
// whose form only this file knows.
struct ScheduleCache {
    // One answer of this run, and one topic's schedule in one direction: the form the schedules
    // are kept in (nested, so the learner's forward-declared cache can hold them).
    struct Answer {
        int entry;
        CardWords words;  // the card's words when it was answered: a list imported again since keeps them
        AnswerDetails details;
        int32_t day;
        int64_t atSeconds;
        bool Right() const { return details.verdict == record::Verdict::Right; }
    };

    struct TopicSchedule {
        Deck deck;
        Direction direction = Direction::Forward;
        std::vector<CardWords> words;  // the topic's cards, in its order
        std::vector<CardSchedule> cards;
        std::vector<Answer> unsaved;  // this run's answers, in the order given
    };

    // Every topic's schedule read so far, by row identity and direction: filled on first use or by
    // LoadSchedules, emptied by ForgetSchedules.
    std::map<std::string, TopicSchedule> schedules;
    // The record as the schedules were last read from it whole. While the record stays at this
    // version, reading it again would give what the schedules hold.
    std::optional<record::RecordVersion> schedulesRead;
    // The record's version inside the transaction that saves this run's answers: when it is the
    // one the schedules were read at, only the decks saved need reading again afterwards.
    std::optional<record::RecordVersion> versionWhileSaving;
    // The designed topics' words by (first, last), read from the word file once.
    std::map<std::pair<int32_t, int32_t>, std::vector<CardWords>> designedWords;
};

namespace {

using Answer = ScheduleCache::Answer;
using TopicSchedule = ScheduleCache::TopicSchedule;

ScheduleCache& Cache(Learner& learner) {
    if (!learner.schedules) learner.schedules = std::make_shared<ScheduleCache>();
    return *learner.schedules;
}

int32_t BoxWait(int32_t box) { return kBoxWaitDays[static_cast<size_t>(std::clamp(box, 1, kTopBox))]; }

// Today, kept in the range every stored day must lie in, with room for the longest wait after it.
int32_t ScheduleToday() { return std::clamp(platform::Today(), 0, kLastScheduleDay - kBoxWaitDays[kTopBox]); }

// The own topic a row of the topics table shows, or nullptr for a designed one.
const OwnTopic* OwnTopicOf(Learner& learner, const TopicInfo& topic) {
    if (topic.ownTopic < 0 || static_cast<size_t>(topic.ownTopic) >= learner.ownTopics.size()) return nullptr;
    return &learner.ownTopics[static_cast<size_t>(topic.ownTopic)];
}

Deck DeckOf(Learner& learner, const TopicInfo& topic) {
    if (const OwnTopic* own = OwnTopicOf(learner, topic)) return Deck::OwnList(own->listFile);
    return Deck::Designed(topic.firstWord, topic.lastWord);
}

// The words of a designed topic's cards, from the word file; a line the file lacks is known by its
// number, so no two cards of a topic share a name.
const std::vector<CardWords>& DesignedWords(const AppContext& app, Learner& learner, int32_t first,
                                            int32_t last) {
    const auto key = std::make_pair(first, last);
    auto found = Cache(learner).designedWords.find(key);
    if (found != Cache(learner).designedWords.end()) return found->second;
    std::vector<CardWords> words;
    std::vector<uint8_t> bytes;
    if (ReadFileWithin(app.wordFilePath, kWordListLimit, bytes)) {
        for (WordEntry& entry : ReadTopicEntries(bytes.data(), bytes.size(), first, last))
            words.push_back(CardWords{std::move(entry.prompt), std::move(entry.answer)});
    }
    for (int32_t line = first + static_cast<int32_t>(words.size()); line < last; ++line)
        words.push_back(CardWords{u"", u"line " + Utf8ToUtf16(std::to_string(line))});
    return Cache(learner).designedWords.emplace(key, std::move(words)).first->second;
}

std::vector<CardWords> TopicCardWords(const AppContext& app, Learner& learner, const TopicInfo& topic) {
    if (const OwnTopic* own = OwnTopicOf(learner, topic)) {
        std::vector<CardWords> words;
        for (const WordEntry& card : own->cards) words.push_back(CardWords{card.prompt, card.answer});
        return words;
    }
    if (topic.lastWord <= topic.firstWord) return {};
    return DesignedWords(app, learner, topic.firstWord, topic.lastWord);
}

std::string ScheduleKey(Learner& learner, const TopicInfo& topic, Direction direction) {
    const OwnTopic* own = OwnTopicOf(learner, topic);
    const std::string row =
        own ? "list " + own->listFile + " " + std::to_string(own->part)
            : "topic " + std::to_string(topic.firstWord) + "-" + std::to_string(topic.lastWord);
    return row + (direction == Direction::Reverse ? " reverse" : "");
}

// A card the rules could have made: due after its latest answer by no more than its box's wait.
CardSchedule CardFromState(const record::CardState& state) {
    CardSchedule card;
    if (state.box <= kNewBox || state.box > kTopBox || state.lastDay < 0 ||
        state.lastDay > kLastScheduleDay || state.dueDay <= state.lastDay ||
        state.dueDay - state.lastDay > BoxWait(state.box))
        return card;
    card.box = state.box;
    card.lastDay = state.lastDay;
    card.dueDay = state.dueDay;
    card.missed = state.missed;
    return card;
}

void PutCard(record::CardState& state, const CardSchedule& card) {
    state.box = card.box;
    state.lastDay = card.lastDay;
    state.dueDay = card.dueDay;
    state.missed = card.missed;
}

// The topic's entry with the card's words: `entry` while it still has them, else the first with
// them; -1 when the topic has them no more.
int EntryOf(const TopicSchedule& topic, int entry, const CardWords& words) {
    if (entry >= 0 && static_cast<size_t>(entry) < topic.words.size() && topic.words[entry] == words)
        return entry;
    const auto found = std::find(topic.words.begin(), topic.words.end(), words);
    return found == topic.words.end() ? -1 : static_cast<int>(found - topic.words.begin());
}

// The topic's cards as the record holds them now (`states`: its deck's), with this run's unsaved
// answers replayed.
void ReadFromRecord(TopicSchedule& topic,
                    const std::vector<std::pair<CardWords, record::CardState>>& states) {
    topic.cards.assign(topic.words.size(), CardSchedule{});
    std::unordered_map<CardWords, const record::CardState*, record::CardWordsHash> kept;
    kept.reserve(states.size());
    for (const auto& [words, state] : states) kept.emplace(words, &state);
    for (size_t i = 0; i < topic.words.size(); ++i) {
        const auto found = kept.find(topic.words[i]);
        if (found != kept.end()) topic.cards[i] = CardFromState(*found->second);
    }
    for (const Answer& answer : topic.unsaved) {
        const int entry = EntryOf(topic, answer.entry, answer.words);
        if (entry < 0) continue;
        CardSchedule& card = topic.cards[static_cast<size_t>(entry)];
        card = CardAfterAnswer(card, answer.Right(), answer.day);
    }
}

// Whether the schedule was read for the topic's cards as they are: an own list imported again
// since may hold other cards, or the same ones in another order.
bool HoldsCardsOf(Learner& learner, const TopicSchedule& schedule, const TopicInfo& topic) {
    const OwnTopic* own = OwnTopicOf(learner, topic);
    if (own == nullptr) return true;  // the word file does not change while the game runs
    if (own->cards.size() != schedule.words.size()) return false;
    for (size_t i = 0; i < own->cards.size(); ++i) {
        if (own->cards[i].prompt != schedule.words[i].prompt ||
            own->cards[i].answer != schedule.words[i].answer)
            return false;
    }
    return true;
}

TopicSchedule& ScheduleOf(const AppContext& app, Learner& learner, const TopicInfo& topic,
                          Direction direction = Direction::Forward) {
    const std::string key = ScheduleKey(learner, topic, direction);
    auto found = Cache(learner).schedules.find(key);
    if (found == Cache(learner).schedules.end() || !HoldsCardsOf(learner, found->second, topic)) {
        TopicSchedule read;
        read.deck = DeckOf(learner, topic);
        read.direction = direction;
        read.words = TopicCardWords(app, learner, topic);
        // Answers not saved yet keep their cards by their words.
        if (found != Cache(learner).schedules.end()) read.unsaved = std::move(found->second.unsaved);
        ReadFromRecord(read, record::KeptStates(read.deck, direction));
        if (found == Cache(learner).schedules.end()) {
            found = Cache(learner).schedules.emplace(key, std::move(read)).first;
        } else {
            found->second = std::move(read);
        }
    }
    return found->second;
}

// Calls visit(card, schedule) for every answered card of the unlocked rows.
template <typename Visit>
void ForEachScheduledCard(const AppContext& app, Learner& learner, Visit visit) {
    for (int t = 0; t < app.topicCount; ++t) {
        if (!IsRowUnlocked(app, learner, t)) continue;
        for (Direction direction : kDirectionsPlayed) {
            const std::vector<CardSchedule>& cards = ScheduleOf(app, learner, app.topics[t], direction).cards;
            for (size_t e = 0; e < cards.size(); ++e) {
                if (cards[e].box != kNewBox) visit(CardRef{t, static_cast<int>(e), direction}, cards[e]);
            }
        }
    }
}

}  // namespace

std::string ScheduleFileName(const std::string& countsFileName) {
    const std::string countsEnding = "_rep.dat";
    const bool hasEnding = countsFileName.size() >= countsEnding.size() &&
                           countsFileName.compare(countsFileName.size() - countsEnding.size(),
                                                  countsEnding.size(), countsEnding) == 0;
    const std::string stem =
        hasEnding ? countsFileName.substr(0, countsFileName.size() - countsEnding.size()) : countsFileName;
    return stem + "_box.dat";
}

std::string TopicScheduleFileName(Learner& learner, const TopicInfo& topic) {
    if (const OwnTopic* own = OwnTopicOf(learner, topic))
        return ScheduleFileName(OwnCountsFileName(own->listFile, own->part));
    return ScheduleFileName(RepetitionFileName(topic.firstWord, topic.lastWord));
}

std::vector<record::OldTopic> TopicsWithOldFiles(const AppContext& app, Learner& learner) {
    std::vector<record::OldTopic> topics;
    for (int t = 0; t < app.topicCount; ++t) {
        const TopicInfo& topic = app.topics[t];
        record::OldTopic old;
        old.deck = DeckOf(learner, topic);
        old.cards = TopicCardWords(app, learner, topic);
        old.scheduleFile = TopicScheduleFileName(learner, topic);
        if (const OwnTopic* own = OwnTopicOf(learner, topic))
            old.countsFile = OwnCountsFileName(own->listFile, own->part);
        topics.push_back(std::move(old));
    }
    return topics;
}

void LoadSchedules(const AppContext& app, Learner& learner) {
    for (int t = 0; t < app.topicCount; ++t) {
        for (Direction direction : kDirectionsPlayed) ScheduleOf(app, learner, app.topics[t], direction);
    }
}

void ReadSchedulesAgain(Learner& learner) {
    if (Cache(learner).schedules.empty()) return;
    const record::RecordVersion version = record::CurrentRecordVersion();
    if (Cache(learner).schedulesRead == version) return;
    Cache(learner).schedulesRead = version;
    const std::vector<std::pair<CardWords, record::CardState>> none;
    for (Direction direction : {Direction::Forward, Direction::Reverse}) {
        const bool any =
            std::any_of(Cache(learner).schedules.begin(), Cache(learner).schedules.end(),
                        [direction](const auto& entry) { return entry.second.direction == direction; });
        if (!any) continue;
        const auto kept = record::AllKeptStates(direction);
        for (auto& [key, topic] : Cache(learner).schedules) {
            if (topic.direction != direction) continue;
            const auto found = kept.find(topic.deck);
            ReadFromRecord(topic, found != kept.end() ? found->second : none);
        }
    }
}

void ForgetSchedules(Learner& learner) {
    Cache(learner).schedules.clear();
    Cache(learner).designedWords.clear();
    Cache(learner).schedulesRead.reset();
    Cache(learner).versionWhileSaving.reset();
}

CardSchedule CardAfterAnswer(const CardSchedule& card, bool right, int32_t today) {
    CardSchedule next = card;
    next.lastDay = today;
    next.missed = !right;
    if (!right || card.box == kNewBox) {
        next.box = 1;
        next.dueDay = today + BoxWait(1);
        return next;
    }
    const int32_t due = EffectiveDueDay(card, today);
    if (due > today) {
        next.dueDay = due;
        return next;
    }
    next.box = std::min(card.box + 1, kTopBox);
    next.dueDay = today + BoxWait(next.box);
    return next;
}

int32_t EffectiveDueDay(const CardSchedule& card, int32_t today) {
    if (card.lastDay > today) return std::min(card.dueDay, today + BoxWait(card.box));
    return card.dueDay;
}

void RecordAnswer(const AppContext& app, Learner& learner, const CardRef& ref, const AnswerDetails& details) {
    if (!app.HasTopicRow(ref.topicIndex)) return;
    TopicSchedule& topic = ScheduleOf(app, learner, app.topics[ref.topicIndex], ref.direction);
    if (ref.entry < 0 || static_cast<size_t>(ref.entry) >= topic.cards.size()) return;
    const int32_t today = ScheduleToday();
    CardSchedule& card = topic.cards[static_cast<size_t>(ref.entry)];
    const bool right = details.verdict == record::Verdict::Right;
    card = CardAfterAnswer(card, right, today);
    topic.unsaved.push_back(Answer{ref.entry, topic.words[static_cast<size_t>(ref.entry)], details, today,
                                   static_cast<int64_t>(std::time(nullptr))});
}

void RecordAnswer(const AppContext& app, Learner& learner, int topicIndex, int entry, bool right) {
    AnswerDetails details;
    details.verdict = right ? record::Verdict::Right : record::Verdict::Wrong;
    RecordAnswer(app, learner, CardRef{topicIndex, entry, Direction::Forward}, details);
}

void PutScheduleAnswers(Learner& learner, record::Transaction& change) {
    Cache(learner).versionWhileSaving = record::CurrentRecordVersion();
    for (auto& [key, topic] : Cache(learner).schedules) {
        for (const Answer& answer : topic.unsaved) {
            const CardWords& words = answer.words;
            record::CardState state =
                change.State(topic.deck, words, topic.direction).value_or(record::CardState{});
            PutCard(state, CardAfterAnswer(CardFromState(state), answer.Right(), answer.day));
            if (!change.PutState(topic.deck, words, topic.direction, state)) continue;  // a list removed
            record::AnswerFacts facts;
            facts.deck = topic.deck;
            facts.card = words;
            facts.direction = topic.direction;
            facts.atSeconds = answer.atSeconds;
            facts.day = answer.day;
            facts.typed = answer.details.typed;
            facts.verdict = answer.details.verdict;
            facts.seconds = answer.details.seconds;
            facts.kind = answer.details.kind;
            change.AddAnswer(facts);
        }
    }
}

void ScheduleAnswersKept(Learner& learner) {
    // Nothing but this save changed the record since it was read (the save's own commit is all it
    // added, and no other game committed since): the decks saved are read again, the rest hold
    // what the record does. Else everything is.
    const bool readBeforeSave = Cache(learner).schedulesRead && Cache(learner).versionWhileSaving &&
                                *Cache(learner).schedulesRead == *Cache(learner).versionWhileSaving;
    std::optional<record::RecordVersion> afterSave = Cache(learner).versionWhileSaving;
    if (afterSave) ++afterSave->ownCommits;
    Cache(learner).versionWhileSaving.reset();
    const bool onlyThisSave = readBeforeSave && record::CurrentRecordVersion() == *afterSave;
    std::set<std::pair<Deck, Direction>> saved;
    for (auto& [key, topic] : Cache(learner).schedules) {
        if (!topic.unsaved.empty()) saved.emplace(topic.deck, topic.direction);
        topic.unsaved.clear();
    }
    if (!onlyThisSave) {
        ReadSchedulesAgain(learner);
        return;
    }
    std::map<std::pair<Deck, Direction>, std::vector<std::pair<CardWords, record::CardState>>> kept;
    for (const auto& deck : saved) kept[deck] = record::KeptStates(deck.first, deck.second);
    for (auto& [key, topic] : Cache(learner).schedules) {
        const auto found = kept.find(std::make_pair(topic.deck, topic.direction));
        if (found != kept.end()) ReadFromRecord(topic, found->second);
    }
    Cache(learner).schedulesRead = afterSave;
}

SaveResult SaveSchedules(Learner& learner) {
    record::Transaction change;
    const record::WriteResult begun = change.Begin();
    if (!begun.Done()) return RecordSaveResult(begun);
    PutScheduleAnswers(learner, change);
    const record::WriteResult committed = change.Commit();
    if (!committed.Done()) return RecordSaveResult(committed);
    ScheduleAnswersKept(learner);
    return SaveResult{};
}

std::vector<CardRef> ChooseReviewCards(const AppContext& app, Learner& learner) {
    const int32_t today = ScheduleToday();
    // Missed first, then most overdue (earliest effective due day), lower box, table order.
    using Key = std::tuple<bool, int32_t, int32_t, int, int, int>;
    std::vector<Key> due;
    ForEachScheduledCard(app, learner, [&](const CardRef& ref, const CardSchedule& card) {
        const int32_t dueDay = EffectiveDueDay(card, today);
        if (dueDay <= today)
            due.emplace_back(!card.missed, dueDay, card.box, ref.topicIndex, ref.entry,
                             static_cast<int>(ref.direction));
    });
    const size_t count = std::min(due.size(), static_cast<size_t>(kReviewRunMax));
    std::partial_sort(due.begin(), due.begin() + static_cast<std::ptrdiff_t>(count), due.end());
    std::vector<CardRef> chosen;
    for (size_t i = 0; i < count; ++i) {
        chosen.push_back(
            CardRef{std::get<3>(due[i]), std::get<4>(due[i]), static_cast<Direction>(std::get<5>(due[i]))});
    }
    return chosen;
}

int DueCountToday(const AppContext& app, Learner& learner) {
    const int32_t today = ScheduleToday();
    int count = 0;
    ForEachScheduledCard(app, learner, [&](const CardRef&, const CardSchedule& card) {
        if (EffectiveDueDay(card, today) <= today) ++count;
    });
    return count;
}

std::string DueCountText(int count) {
    return count > kDueCountShownMax ? std::to_string(kDueCountShownMax) + "+" : std::to_string(count);
}

int DaysUntilNextDue(const AppContext& app, Learner& learner) {
    const int32_t today = ScheduleToday();
    int32_t earliest = -1;
    ForEachScheduledCard(app, learner, [&](const CardRef&, const CardSchedule& card) {
        const int32_t days = std::max(EffectiveDueDay(card, today) - today, 0);
        if (earliest < 0 || days < earliest) earliest = days;
    });
    return earliest;
}

CardSchedule CardAt(const AppContext& app, Learner& learner, int topicIndex, int entry) {
    if (!app.HasTopicRow(topicIndex)) return CardSchedule{};
    const std::vector<CardSchedule>& cards = ScheduleOf(app, learner, app.topics[topicIndex]).cards;
    if (entry < 0 || static_cast<size_t>(entry) >= cards.size()) return CardSchedule{};
    return cards[static_cast<size_t>(entry)];
}

namespace {

void AddAnswer(Recall& recall, bool right) {
    ++recall.answers;
    if (right) ++recall.right;
}

// One card's recall, and the last row that counted it (a card met twice in a row counts once).
struct CardRecall {
    Recall recall;
    int countedInRow = -1;
};
using DeckRecall = std::unordered_map<CardWords, CardRecall, record::CardWordsHash>;

// Recall per card over the last kRecallDays days, from the record, by deck; the sum of all in `all`.
std::map<Deck, DeckRecall> RecallByCard(int32_t today, Recall& all) {
    std::map<Deck, DeckRecall> byDeck;
    for (record::CardAnswers& card : record::AnswersPerCardSince(today - (kRecallDays - 1))) {
        all.answers += card.answers;
        all.right += card.right;
        byDeck[card.deck][std::move(card.card)].recall = Recall{card.answers, card.right};
    }
    return byDeck;
}

}  // namespace

ProgressFigures CurrentProgress(const AppContext& app, Learner& learner) {
    ProgressFigures figures;
    ReadSchedulesAgain(learner);
    const int32_t today = ScheduleToday();
    const int32_t firstShown = today - (kPractisedDaysShown - 1);
    std::set<int32_t> practised;
    for (int32_t day : record::PractisedDaysSince(today - static_cast<int32_t>(kPractisedDaysKept)))
        practised.insert(day);
    for (const auto& [day, answers] : record::AnswersPerDaySince(firstShown))
        figures.answersOnDay[static_cast<size_t>(day - firstShown)] = answers;
    std::map<Deck, DeckRecall> recall = RecallByCard(today, figures.recall);
    for (int t = 0; t < app.topicCount; ++t) {
        TopicProgress row;
        row.topicIndex = t;
        for (Direction direction : kDirectionsPlayed) {
            const TopicSchedule& topic = ScheduleOf(app, learner, app.topics[t], direction);
            // The bars are the designed direction's; the topics screen shows each direction's own.
            for (const CardSchedule& card : topic.cards) {
                figures.anyAnswered = figures.anyAnswered || card.box != kNewBox;
                if (direction == Direction::Reverse) continue;
                int& group = card.box == kNewBox ? row.newCards
                             : card.box <= 2     ? row.boxes1to2
                             : card.box <= 4     ? row.boxes3to4
                                                 : row.boxes5to7;
                ++group;
            }
            // This run's answers not saved yet count as the record's do.
            for (const Answer& answer : topic.unsaved) {
                practised.insert(answer.day);
                if (answer.day >= firstShown)
                    ++figures.answersOnDay[static_cast<size_t>(answer.day - firstShown)];
                AddAnswer(row.recall, answer.Right());
                AddAnswer(figures.recall, answer.Right());
            }
        }
        const TopicSchedule& schedule = ScheduleOf(app, learner, app.topics[t]);
        const auto deck = recall.find(schedule.deck);
        for (size_t i = 0; deck != recall.end() && i < schedule.words.size(); ++i) {
            const auto found = deck->second.find(schedule.words[i]);
            if (found == deck->second.end() || found->second.countedInRow == t) continue;
            found->second.countedInRow = t;
            row.recall.answers += found->second.recall.answers;
            row.recall.right += found->second.recall.right;
        }
        figures.topics.push_back(row);
    }
    figures.anyAnswered = figures.anyAnswered || !practised.empty();
    for (int i = 0; i < kPractisedDaysShown; ++i)
        figures.practised[static_cast<size_t>(i)] = practised.count(firstShown + i) > 0;
    for (int32_t day = practised.count(today) > 0 ? today : today - 1; practised.count(day) > 0; --day) {
        ++figures.streakDays;
    }
    ForEachScheduledCard(app, learner, [&](const CardRef&, const CardSchedule& card) {
        const int32_t ahead = std::max(EffectiveDueDay(card, today) - today, 0);
        if (ahead < kDaysAheadShown) ++figures.dueOnDay[static_cast<size_t>(ahead)];
    });
    return figures;
}
