// The entries of the latest test run that were answered wrong or timed out, in the order asked: the
// result screens list them as the words to practise, and a learning round can go over just those.
#pragma once

#include <vector>

#include "learning/WordList.h"

struct LearningRun;

struct MissedEntry {
    WordEntry words;
    SideLanguages languages;  // its topic's
};

// Makes the missed entries the loaded word list, in the order asked, for a learning round over them.
// No repetition count is read or written for them: the list then belongs to no topic's file.
void LoadMissedEntriesAsWordList(LearningRun& run);
