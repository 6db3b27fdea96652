// What a run (a learning round, a test or a review) works on, and what its result screens show once
// it is over: the loaded word list, the test's state, the entries missed and a review's cards. One
// object for the run's lifetime, refilled by each run and held by the application, which hands it to
// whoever needs it; the functions that load or save a topic's
// counts take the list they work on, so a review's save never touches the run's own.
#pragma once

#include <vector>

#include "learning/MissedEntries.h"
#include "learning/ReviewSchedule.h"
#include "learning/TestRun.h"
#include "learning/WordList.h"

struct LearningRun {
    // The run's words with their counts and marks, and the entry on screen.
    WordList words;
    TestRun test;
    // Emptied when a test run starts; each wrong answer or time-out adds its entry.
    std::vector<MissedEntry> missed;
    // A review's cards, one per entry of `words`, in the order asked (learning/ReviewRun.h).
    std::vector<CardRef> reviewCards;
};
