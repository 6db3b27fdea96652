#include "learning/ReviewSchedule.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "formats/BoundedFileRead.h"
#include "formats/ScheduleFile.h"
#include "game/SaveFolder.h"
#include "learning/Learner.h"
#include "learning/OwnTopicCounts.h"
#include "learning/OwnTopics.h"
#include "learning/RepetitionStore.h"
#include "learning/TopicWords.h"
#include "platform/CalendarDay.h"
#include "platform/SafeFileWrite.h"

namespace {

// The largest topic a schedule is kept for: the most words a repetition file may hold.
constexpr int kMostCardsInTopic = static_cast<int>(kRepetitionFileLimit.maxBytes / 4);

struct Answer {
    int entry;
    bool right;
    int32_t day;
};

struct TopicSchedule {
    std::vector<CardSchedule> cards;
    std::vector<int32_t> practisedDays;  // ascending, no repeats
    std::vector<Answer> unsaved;         // this run's answers, in the order given
    // Written by a newer game: read as all new and never overwritten, so that game loses nothing.
    bool newerFile = false;
};

// Every topic's schedule read so far, by its file name; owned by this file: filled on first use
// or by LoadSchedules, emptied by ForgetSchedules.
std::map<std::string, TopicSchedule> schedules;

int32_t BoxWait(int32_t box) { return kBoxWaitDays[static_cast<size_t>(std::clamp(box, 1, kTopBox))]; }

// Today, kept in the range every stored day must lie in, with room for the longest wait after it.
int32_t ScheduleToday() { return std::clamp(platform::Today(), 0, kLastScheduleDay - kBoxWaitDays[kTopBox]); }

// The own topic a row of the topics table shows, or nullptr for a designed one.
const OwnTopic* OwnTopicOf(const TopicInfo& topic) {
    if (topic.ownTopic < 0 || static_cast<size_t>(topic.ownTopic) >= learner.ownTopics.size()) return nullptr;
    return &learner.ownTopics[static_cast<size_t>(topic.ownTopic)];
}

int TopicCardCount(const TopicInfo& topic) {
    if (const OwnTopic* own = OwnTopicOf(topic))
        return std::min(static_cast<int>(own->cards.size()), kMostCardsInTopic);
    return std::clamp(topic.lastWord - topic.firstWord, 0, kMostCardsInTopic);
}

// A card the rules could have made: due after its latest answer by no more than its box's wait.
CardSchedule CardFromRecord(const ScheduleCardRecord& record) {
    CardSchedule card;
    if (record.box == kNewBox || record.dueDay - record.lastDay > BoxWait(record.box)) return card;
    card.box = record.box;
    card.lastDay = record.lastDay;
    card.dueDay = record.dueDay;
    card.missed = (record.flags & kScheduleMissedFlag) != 0;
    return card;
}

ScheduleCardRecord RecordFromCard(const CardSchedule& card) {
    ScheduleCardRecord record;
    if (card.box == kNewBox) return record;
    record.box = static_cast<uint8_t>(card.box);
    record.flags = card.missed ? kScheduleMissedFlag : 0;
    record.lastDay = card.lastDay;
    record.dueDay = card.dueDay;
    return record;
}

void AddPractisedDay(std::vector<int32_t>& days, int32_t day) {
    const auto at = std::lower_bound(days.begin(), days.end(), day);
    if (at == days.end() || *at != day) days.insert(at, day);
}

// The topic's schedule as its file holds it now, fitted to cardCount cards: what the file cannot
// tell about is new.
TopicSchedule ReadTopicSchedule(const std::string& name, int cardCount) {
    TopicSchedule topic;
    topic.cards.resize(static_cast<size_t>(cardCount));
    std::vector<uint8_t> bytes;
    if (!ReadFileWithin(SavedFileToRead(name), kScheduleFileLimit, bytes)) return topic;
    ScheduleFileContent content;
    const ScheduleRead result = ReadScheduleFile(bytes.data(), bytes.size(), content);
    topic.newerFile = result == ScheduleRead::FutureVersion;
    const size_t kept = std::min(content.cards.size(), topic.cards.size());
    for (size_t i = 0; i < kept; ++i) topic.cards[i] = CardFromRecord(content.cards[i]);
    topic.practisedDays = std::move(content.practisedDays);
    return topic;
}

TopicSchedule& ScheduleOf(const TopicInfo& topic) {
    const std::string name = TopicScheduleFileName(topic);
    auto found = schedules.find(name);
    if (found == schedules.end()) {
        found = schedules.emplace(name, ReadTopicSchedule(name, TopicCardCount(topic))).first;
    }
    return found->second;
}

bool RowExists(int topicIndex) { return app != nullptr && topicIndex >= 0 && topicIndex < app->topicCount; }

bool RowIsUnlocked(int topicIndex) { return IsRowUnlocked(topicIndex); }

// Calls visit(topicIndex, entry, card) for every answered card of the unlocked rows.
template <typename Visit>
void ForEachScheduledCard(Visit visit) {
    if (app == nullptr) return;
    for (int t = 0; t < app->topicCount; ++t) {
        if (!RowIsUnlocked(t)) continue;
        const std::vector<CardSchedule>& cards = ScheduleOf(app->topics[t]).cards;
        for (size_t e = 0; e < cards.size(); ++e) {
            if (cards[e].box != kNewBox) visit(t, static_cast<int>(e), cards[e]);
        }
    }
}

SaveResult SaveTopicSchedule(const std::string& name, TopicSchedule& topic) {
    TopicSchedule disk = ReadTopicSchedule(name, static_cast<int>(topic.cards.size()));
    if (disk.newerFile) {
        topic.newerFile = true;
        return SaveResult{};
    }
    for (const Answer& answer : topic.unsaved) {
        CardSchedule& card = disk.cards[static_cast<size_t>(answer.entry)];
        card = CardAfterAnswer(card, answer.right, answer.day);
        AddPractisedDay(disk.practisedDays, answer.day);
    }
    ScheduleFileContent content;
    content.cards.reserve(disk.cards.size());
    for (const CardSchedule& card : disk.cards) content.cards.push_back(RecordFromCard(card));
    content.practisedDays = disk.practisedDays;
    const std::vector<uint8_t> bytes = WriteScheduleFile(content);
    const FileWriteResult written = WriteFileAtomically(SavedFileToWrite(name), bytes.data(), bytes.size());
    if (!written) return NotSavedBecause(written.error);
    // The file holds this run's answers now: saving again replays none of them twice.
    topic.cards = std::move(disk.cards);
    topic.practisedDays = std::move(disk.practisedDays);
    topic.unsaved.clear();
    return SaveResult{};
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

std::string TopicScheduleFileName(const TopicInfo& topic) {
    if (const OwnTopic* own = OwnTopicOf(topic))
        return ScheduleFileName(OwnCountsFileName(own->listFile, own->part));
    return ScheduleFileName(RepetitionFileName(topic.firstWord, topic.lastWord));
}

void LoadSchedules() {
    if (app == nullptr) return;
    for (int t = 0; t < app->topicCount; ++t) ScheduleOf(app->topics[t]);
}

void ForgetSchedules() { schedules.clear(); }

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

void RecordAnswer(int topicIndex, int entry, bool right) {
    if (!RowExists(topicIndex)) return;
    TopicSchedule& topic = ScheduleOf(app->topics[topicIndex]);
    if (entry < 0 || static_cast<size_t>(entry) >= topic.cards.size()) return;
    const int32_t today = ScheduleToday();
    CardSchedule& card = topic.cards[static_cast<size_t>(entry)];
    card = CardAfterAnswer(card, right, today);
    AddPractisedDay(topic.practisedDays, today);
    topic.unsaved.push_back(Answer{entry, right, today});
}

SaveResult SaveSchedules() {
    SaveResult result;
    // Every topic is tried, whatever the others did.
    for (auto& [name, topic] : schedules) {
        if (!topic.unsaved.empty()) result = Worse(result, SaveTopicSchedule(name, topic));
    }
    return result;
}

std::vector<CardRef> ChooseReviewCards() {
    const int32_t today = ScheduleToday();
    // Missed first, then most overdue (earliest effective due day), lower box, table order.
    using Key = std::tuple<bool, int32_t, int32_t, int, int>;
    std::vector<Key> due;
    ForEachScheduledCard([&](int t, int e, const CardSchedule& card) {
        const int32_t dueDay = EffectiveDueDay(card, today);
        if (dueDay <= today) due.emplace_back(!card.missed, dueDay, card.box, t, e);
    });
    const size_t count = std::min(due.size(), static_cast<size_t>(kReviewRunMax));
    std::partial_sort(due.begin(), due.begin() + static_cast<std::ptrdiff_t>(count), due.end());
    std::vector<CardRef> chosen;
    for (size_t i = 0; i < count; ++i) chosen.push_back(CardRef{std::get<3>(due[i]), std::get<4>(due[i])});
    return chosen;
}

int DueCountToday() {
    const int32_t today = ScheduleToday();
    int count = 0;
    ForEachScheduledCard([&](int, int, const CardSchedule& card) {
        if (EffectiveDueDay(card, today) <= today) ++count;
    });
    return count;
}

std::string DueCountText(int count) {
    return count > kDueCountShownMax ? std::to_string(kDueCountShownMax) + "+" : std::to_string(count);
}

int DaysUntilNextDue() {
    const int32_t today = ScheduleToday();
    int32_t earliest = -1;
    ForEachScheduledCard([&](int, int, const CardSchedule& card) {
        const int32_t days = std::max(EffectiveDueDay(card, today) - today, 0);
        if (earliest < 0 || days < earliest) earliest = days;
    });
    return earliest;
}

CardSchedule CardAt(int topicIndex, int entry) {
    if (!RowExists(topicIndex)) return CardSchedule{};
    const std::vector<CardSchedule>& cards = ScheduleOf(app->topics[topicIndex]).cards;
    if (entry < 0 || static_cast<size_t>(entry) >= cards.size()) return CardSchedule{};
    return cards[static_cast<size_t>(entry)];
}

ProgressFigures CurrentProgress() {
    ProgressFigures figures;
    if (app == nullptr) return figures;
    const int32_t today = ScheduleToday();
    std::set<int32_t> practised;
    for (int t = 0; t < app->topicCount; ++t) {
        const TopicSchedule& topic = ScheduleOf(app->topics[t]);
        TopicProgress row;
        row.topicIndex = t;
        for (const CardSchedule& card : topic.cards) {
            int& group = card.box == kNewBox ? row.newCards
                         : card.box <= 2     ? row.boxes1to2
                         : card.box <= 4     ? row.boxes3to4
                                             : row.boxes5to7;
            ++group;
        }
        figures.anyAnswered = figures.anyAnswered || row.newCards < static_cast<int>(topic.cards.size()) ||
                              !topic.practisedDays.empty();
        figures.topics.push_back(row);
        practised.insert(topic.practisedDays.begin(), topic.practisedDays.end());
    }
    for (int i = 0; i < kPractisedDaysShown; ++i) {
        figures.practised[static_cast<size_t>(i)] =
            practised.count(today - (kPractisedDaysShown - 1) + i) > 0;
    }
    for (int32_t day = practised.count(today) > 0 ? today : today - 1; practised.count(day) > 0; --day) {
        ++figures.streakDays;
    }
    ForEachScheduledCard([&](int, int, const CardSchedule& card) {
        const int32_t ahead = std::max(EffectiveDueDay(card, today) - today, 0);
        if (ahead < kDaysAheadShown) ++figures.dueOnDay[static_cast<size_t>(ahead)];
    });
    return figures;
}
