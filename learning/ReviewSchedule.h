// The schedule of every card (one entry of a topic's word list) across all topics: Leitner boxes
// counted in local calendar days (platform/CalendarDay.h), the choice of a review run, and the
// figures of the progress picture. The repetition counts (RepetitionStore.h) are untouched by it:
// the test keeps choosing its questions by them.
//
// The rules:
//  - A card is new (box 0) until it is first answered in a test or a review; its first answer,
//    right or wrong, puts it in box 1, due the next day.
//  - A right answer to a card that is due moves it up one box (at most 7) and makes it due the
//    box's wait after today; a right answer to a card not yet due keeps its box and due day (a test
//    may ask a word many times a day; it climbs one box per wait, not per answer).
//  - A wrong answer or a time-out puts it back in box 1, due the next day.
//  - A card answered on a day the clock has since gone back before counts its wait from today, so
//    it is due no later than today + its box's wait; its next answer stores today's day.
//  - Every answer stores the day it was given and marks that day practised.
// Learning screens and the round of words to practise record nothing.
//
// The schedule is kept in the learner's record (record/RecordStore.h), each card by its words and
// direction, with every answer: a run's answers are saved in one transaction of the run's save
// (learning/RunEndSave.h), replayed onto what the record holds then, so another game's answers
// meanwhile count too. What is read here is read again from the record whenever the progress
// picture or the main menu is shown.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/state/AppContext.h"
#include "learning/SaveResult.h"
#include "record/RecordTypes.h"

struct Learner;

namespace record {
class Transaction;
struct OldTopic;
}  // namespace record

// Box 0 is a new card; boxes 1..7 wait these days after a right answer (box 1 also after a miss).
constexpr int kNewBox = 0;
constexpr int kTopBox = 7;
constexpr std::array<int32_t, kTopBox + 1> kBoxWaitDays{0, 1, 2, 4, 7, 14, 30, 60};
// A review run asks at most this many cards; the menu shows counts above kDueCountShownMax as "99+".
constexpr int kReviewRunMax = 30;
constexpr int kDueCountShownMax = 99;

// One card's place in the schedule.
struct CardSchedule {
    int32_t box = kNewBox;  // 0 new .. 7
    int32_t lastDay = 0;    // day number of its latest answer; meaningful when box > 0
    int32_t dueDay = 0;     // day number from which it is due; meaningful when box > 0
    bool missed = false;    // its latest answer was wrong or timed out
};

// The old schedule file's name for a topic whose counts are kept in countsFileName (its "_rep.dat"
// ending becomes "_box.dat"): what the game kept before the record, carried over once.
std::string ScheduleFileName(const std::string& countsFileName);
// The old schedule file's name of a row of the topics table.
std::string TopicScheduleFileName(Learner& learner, const TopicInfo& topic);

// Every row of AppContext::topics with the names of the files the game kept its schedule and (an own
// topic's) counts in before the record, to carry them over once (record/RecordMigration.h).
std::vector<record::OldTopic> TopicsWithOldFiles(const AppContext& app, Learner& learner);

// Reads every topic's schedule from the record (AppContext::topics, own lists included). Queries load
// what they need by themselves; calling this at start-up only moves the reading there. A kept
// state the rules could not have made (a record edited by hand) is read as a new card.
void LoadSchedules(const AppContext& app, Learner& learner);
// Reads every schedule read so far again from the record, with this run's unsaved answers replayed
// onto it: what another game saved, a list imported or removed, shows.
void ReadSchedulesAgain(Learner& learner);
// Forgets everything read and every unsaved answer (a new start, the tests).
void ForgetSchedules(Learner& learner);

// A card of the topics table, in the direction it is asked.
struct CardRef {
    int topicIndex = 0;
    int entry = 0;
    record::Direction direction = record::Direction::Forward;
    bool operator==(const CardRef& other) const {
        return topicIndex == other.topicIndex && entry == other.entry && direction == other.direction;
    }
};

// What the record keeps of an answer beside right or wrong.
struct AnswerDetails {
    record::Verdict verdict = record::Verdict::Wrong;
    std::u16string typed;
    double seconds = 0;
    record::RunKind kind = record::RunKind::Test;
};

// A test or review answer to a card, on platform::Today(); right is Verdict::Right. Ignored for a
// row or entry that does not exist.
void RecordAnswer(const AppContext& app, Learner& learner, const CardRef& card, const AnswerDetails& details);
// The same for the designed direction, typed text unknown.
void RecordAnswer(const AppContext& app, Learner& learner, int topicIndex, int entry, bool right);
// The rules above applied to one card: the card after an answer given on day `today`.
CardSchedule CardAfterAnswer(const CardSchedule& card, bool right, int32_t today);
// The day from which a card counts as due on day `today` (a card answered "in the future" counts
// its wait from today); meaningless for a new card.
int32_t EffectiveDueDay(const CardSchedule& card, int32_t today);

// Puts every answer not yet saved into `change`: each card's state as the record holds it now,
// with the answer replayed onto it, and the answer itself. A card of an own list the record no
// longer holds (removed by another game) is left out.
void PutScheduleAnswers(Learner& learner, record::Transaction& change);
// After that transaction committed: nothing is left to save, and the schedules read again.
void ScheduleAnswersKept(Learner& learner);
// The answers not yet saved, put and committed in a transaction of their own (what the run's save
// does with the rest of the run); a failure keeps them for the next save.
SaveResult SaveSchedules(Learner& learner);

// The cards a review run asks today: at most kReviewRunMax due cards of the unlocked rows of
// AppContext::topics; the cards whose latest answer was a miss first, then the rest, each group most
// overdue first (then lower box, then table order). The rest stay due for the next runs.
std::vector<CardRef> ChooseReviewCards(const AppContext& app, Learner& learner);
// Due cards today in the unlocked rows (every one, not capped).
int DueCountToday(const AppContext& app, Learner& learner);
// "99+" above kDueCountShownMax, else the number.
std::string DueCountText(int count);
// Days from today to the earliest day a card of an unlocked row falls due; 0 when one is due
// today, -1 when no card is scheduled.
int DaysUntilNextDue(const AppContext& app, Learner& learner);
// One card's schedule (a new card for a row or entry that does not exist).
CardSchedule CardAt(const AppContext& app, Learner& learner, int topicIndex, int entry);

constexpr int kPractisedDaysShown = 14;
constexpr int kDaysAheadShown = 7;

// Recall is counted over this many days, today included.
constexpr int kRecallDays = 30;

// How many answers, and how many of them right.
struct Recall {
    int answers = 0;
    int right = 0;
    // Right answers of all answers in whole per cent, rounded down; -1 with no answer.
    int Percent() const { return answers > 0 ? right * 100 / answers : -1; }
};

// The cards of one row of the topics table per box group, and their recall.
struct TopicProgress {
    int topicIndex = 0;
    int newCards = 0;  // box 0
    int boxes1to2 = 0;
    int boxes3to4 = 0;
    int boxes5to7 = 0;
    Recall recall;  // its cards' answers of the last kRecallDays days, both directions
};

// The figures of the progress picture, built from the record and this run's unsaved answers, read
// again each time.
struct ProgressFigures {
    std::vector<TopicProgress> topics;  // every row of AppContext::topics, in table order
    // practised[kPractisedDaysShown - 1] is today, [0] thirteen days before.
    std::array<bool, kPractisedDaysShown> practised{};
    std::array<int, kPractisedDaysShown> answersOnDay{};  // the answers given each of those days
    Recall recall;                                        // every answer of the last kRecallDays days
    // Days in a row practised, ending today, or yesterday while today is not practised yet.
    int streakDays = 0;
    // dueOnDay[0]: due today (overdue included); dueOnDay[i]: falling due on today + i. Unlocked rows.
    std::array<int, kDaysAheadShown> dueOnDay{};
    // False when no card of any topic has been answered: the empty picture.
    bool anyAnswered = false;
};
ProgressFigures CurrentProgress(const AppContext& app, Learner& learner);
