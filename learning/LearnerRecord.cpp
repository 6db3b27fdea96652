#include "learning/LearnerRecord.h"

#include "game/saves/SaveFolder.h"
#include "learning/OwnTopics.h"
#include "learning/ReviewSchedule.h"
#include "learning/TopicDirection.h"
#include "record/RecordMigration.h"

record::StartReport OpenLearnerRecord(const AppContext& app, Learner& learner) {
    ForgetSchedules(learner);
    ForgetChosenDirections(learner);
    return record::StartRecord(SaveWriteFolder(), OwnListFacts(learner),
                               [&app, &learner] { return TopicsWithOldFiles(app, learner); });
}
