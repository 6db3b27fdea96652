#include "learning/HallOfFame.h"

#include <cstdint>
#include <vector>

#include "formats/BoundedFileRead.h"
#include "formats/FileLimits.h"
#include "formats/SafeFileWrite.h"
#include "game/SaveFolder.h"

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

void SaveHallOfFame() {
    // A failed save loses the result silently, as any file failure here does.
    const std::string bytes = FormatHallOfFame(hallOfFame);
    WriteFileAtomically(SavedFileToWrite(kHallOfFameFile), bytes.data(), bytes.size());
}

void ClearHallOfFame() { hallOfFame.clear(); }
