#include "learning/HallOfFame.h"

#include <cstdint>
#include <vector>

#include "formats/BoundedFileRead.h"
#include "formats/FileLimits.h"
#include "game/saves/SaveFolder.h"
#include "learning/Learner.h"
#include "platform/SafeFileWrite.h"

void LoadHallOfFame(Learner& learner) {
    ClearHallOfFame(learner);
    std::vector<uint8_t> bytes;
    if (!ReadFileWithin(SavedFileToRead(kHallOfFameFile), kHallOfFameLimit, bytes)) return;
    learner.hallOfFame = ParseHallOfFame(std::string(bytes.begin(), bytes.end()));
}

void AddHallOfFameEntry(Learner& learner, const std::u16string& name, int32_t score) {
    InsertHallOfFameEntry(learner.hallOfFame, HallOfFameEntry{name, score});
}

SaveResult SaveHallOfFame(const Learner& learner) {
    const std::string bytes = FormatHallOfFame(learner.hallOfFame);
    const FileWriteResult written =
        WriteFileAtomically(SavedFileToWrite(kHallOfFameFile), bytes.data(), bytes.size());
    return written ? SaveResult{} : NotSavedBecause(written.error);
}

void ClearHallOfFame(Learner& learner) { learner.hallOfFame.clear(); }
