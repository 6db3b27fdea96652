// What the game holds of the learner between runs: read from the save folder and the lists folder
// at start-up, kept up to date by every run's save, import and removal. One object for that
// lifetime, `learner`, owned by the learning layer (the schedules read so far stay with
// learning/ReviewSchedule.cpp, which alone knows their form).
#pragma once

#include <vector>

#include "learning/HallOfFame.h"
#include "learning/OwnTopics.h"

struct Learner {
    // The hall of fame in descending score order (learning/HallOfFame.h).
    std::vector<HallOfFameEntry> hallOfFame;
    // Every own topic, the lists in file-name order: rebuilt by every ReadListsFolder,
    // ImportListFile and RemoveOwnList, which also rebuild the app's topic rows after the designed
    // ones (learning/OwnTopics.h).
    std::vector<OwnTopic> ownTopics;
};

extern Learner learner;
