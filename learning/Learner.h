// What the game holds of the learner between runs: read from the save folder and the lists folder
// at start-up, kept up to date by every run's save, import and removal. One object for that
// lifetime: the application holds it and hands it to whoever needs it.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "learning/HallOfFame.h"
#include "learning/OwnTopics.h"
#include "record/RecordTypes.h"

// The schedules read so far (learning/ReviewSchedule.cpp defines them: only it knows their form).
struct ScheduleCache;

struct Learner {
    // The hall of fame in descending score order (learning/HallOfFame.h).
    std::vector<HallOfFameEntry> hallOfFame;
    // Every own topic, the lists in file-name order: rebuilt by every ReadListsFolder,
    // ImportListFile and RemoveOwnList, which also rebuild the app's topic rows after the designed
    // ones (learning/OwnTopics.h).
    std::vector<OwnTopic> ownTopics;
    // Made on first use; a shared_ptr takes its deleter where it is made, so the type need not be
    // known here.
    std::shared_ptr<ScheduleCache> schedules;
    // The topics turned this session (learning/TopicDirection.h), so a turn the record could not
    // keep still holds until the game ends.
    std::map<record::TopicKey, record::Direction> turnedThisSession;
};
