#include "learning/HallOfFame.h"

#include <cerrno>
#include <cstdint>
#include <vector>

#include "formats/BoundedFileRead.h"
#include "formats/FileLimits.h"
#include "formats/SafeFileWrite.h"
#include "game/SaveFolder.h"
#include "learning/SaveFailure.h"

std::vector<HallOfFameEntry> hallOfFame;

void LoadHallOfFame() {
    ClearHallOfFame();
    std::vector<uint8_t> bytes;
    if (!ReadFileWithin(SavedFileToRead(kHallOfFameFile), kHallOfFameLimit, bytes)) return;
    hallOfFame = ParseHallOfFame(std::string(bytes.begin(), bytes.end()));
}

void AddHallOfFameEntry(const std::u16string& name, int32_t score) {
    InsertHallOfFameEntry(hallOfFame, HallOfFameEntry{name, score});
}

bool SaveHallOfFame() {
    const std::string bytes = FormatHallOfFame(hallOfFame);
    if (WriteFileAtomically(SavedFileToWrite(kHallOfFameFile), bytes.data(), bytes.size())) return true;
    RecordSaveFailure(errno);
    return false;
}

void ClearHallOfFame() { hallOfFame.clear(); }
