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
// Each topic's schedule is its own file beside the topic's counts (see ScheduleFileName), in the
// format of formats/ScheduleFile.h, saved like the counts: under the save folder's lock, the file
// re-read and this run's answers replayed onto it, written through a temporary file and a rename.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/AppContext.h"
#include "learning/SaveResult.h"

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

// The schedule file's name for a topic whose counts are kept in countsFileName (its "_rep.dat"
// ending becomes "_box.dat"), so every topic's schedule lies beside its counts.
std::string ScheduleFileName(const std::string& countsFileName);
// The schedule file's name of a row of the topics table.
std::string TopicScheduleFileName(const TopicInfo& topic);

// Reads every topic's schedule file from the save folder (app->topics, own lists included). Queries
// load what they need by themselves; calling this at start-up only moves the reading there. A
// missing, cut, corrupt or future-version file is never fatal: the cards it cannot tell about are
// new, the rest kept (a future version's file is then never overwritten).
void LoadSchedules();
// Forgets everything read and every unsaved answer (a new start, the tests).
void ForgetSchedules();

// A test or review answer to entry `entry` of row topicIndex of app->topics, on platform::Today().
// Ignored for a row or entry that does not exist.
void RecordAnswer(int topicIndex, int entry, bool right);
// The rules above applied to one card: the card after an answer given on day `today`.
CardSchedule CardAfterAnswer(const CardSchedule& card, bool right, int32_t today);
// The day from which a card counts as due on day `today` (a card answered "in the future" counts
// its wait from today); meaningless for a new card.
int32_t EffectiveDueDay(const CardSchedule& card, int32_t today);

// For every topic with answers not yet saved: re-reads its schedule file, replays this run's
// answers onto it and writes it through a temporary file and a rename. A failed write keeps those
// answers for the next save. The caller holds the save folder's lock: it is one participant of the
// run's one save (learning/RunEndSave.h).
SaveResult SaveSchedules();

// A card of the topics table.
struct CardRef {
    int topicIndex = 0;
    int entry = 0;
    bool operator==(const CardRef& other) const {
        return topicIndex == other.topicIndex && entry == other.entry;
    }
};

// The cards a review run asks today: at most kReviewRunMax due cards of the unlocked rows of
// app->topics; the cards whose latest answer was a miss first, then the rest, each group most
// overdue first (then lower box, then table order). The rest stay due for the next runs.
std::vector<CardRef> ChooseReviewCards();
// Due cards today in the unlocked rows (every one, not capped).
int DueCountToday();
// "99+" above kDueCountShownMax, else the number.
std::string DueCountText(int count);
// Days from today to the earliest day a card of an unlocked row falls due; 0 when one is due
// today, -1 when no card is scheduled.
int DaysUntilNextDue();
// One card's schedule (a new card for a row or entry that does not exist).
CardSchedule CardAt(int topicIndex, int entry);

constexpr int kPractisedDaysShown = 14;
constexpr int kDaysAheadShown = 7;

// The cards of one row of the topics table per box group.
struct TopicProgress {
    int topicIndex = 0;
    int newCards = 0;  // box 0
    int boxes1to2 = 0;
    int boxes3to4 = 0;
    int boxes5to7 = 0;
};

// The figures of the progress picture, built from the schedule files and this run's answers.
struct ProgressFigures {
    std::vector<TopicProgress> topics;  // every row of app->topics, in table order
    // practised[kPractisedDaysShown - 1] is today, [0] thirteen days before.
    std::array<bool, kPractisedDaysShown> practised{};
    // Days in a row practised, ending today, or yesterday while today is not practised yet.
    int streakDays = 0;
    // dueOnDay[0]: due today (overdue included); dueOnDay[i]: falling due on today + i. Unlocked rows.
    std::array<int, kDaysAheadShown> dueOnDay{};
    // False when no card of any topic has been answered: the empty picture.
    bool anyAnswered = false;
};
ProgressFigures CurrentProgress();
