// The hall of fame: "hof.hof" in the save folder (UTF-16LE with BOM, "%s\t%d\r\n" lines, ten at most)
// and the resident list in descending score order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/HallOfFameFile.h"
#include "learning/SaveResult.h"

struct Learner;

// The file as designed: "hof.hof", kept where game/saves/SaveFolder.h says.
constexpr const char* kHallOfFameFile = "hof.hof";
// Replaces the resident list with the file's entries (none when it is missing or refused).
void LoadHallOfFame(Learner& learner);
void AddHallOfFameEntry(Learner& learner, const std::u16string& name, int32_t score);
// Writes the first ten entries through a temporary file and a rename; when that fails the old file
// stays whole. A caller that re-reads the file first holds the save folder's lock around both
// (learning/RunEndSave.h).
SaveResult SaveHallOfFame(const Learner& learner);
void ClearHallOfFame(Learner& learner);
