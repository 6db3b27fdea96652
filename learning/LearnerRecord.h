// The learner's record opened for the session (record/RecordStore.h), from the learning layer's
// side: in the save folder, with the own lists read from the lists folder and every topic whose
// old schedule or counts files are to be carried over. Called once at start-up, after the lists
// folder was read.
#pragma once

#include "record/RecordStore.h"

struct AppContext;
struct Learner;

record::StartReport OpenLearnerRecord(const AppContext& app, Learner& learner);
