#include "learning/LearnerRecord.h"

#include "game/saves/SaveFolder.h"
#include "learning/OwnTopics.h"
#include "learning/ReviewSchedule.h"
#include "learning/TopicDirection.h"
#include "record/RecordMigration.h"

record::StartReport OpenLearnerRecord() {
    ForgetSchedules();
    ForgetChosenDirections();
    return record::StartRecord(SaveWriteFolder(), OwnListFacts(), TopicsWithOldFiles);
}
