// Any byte string as "data/hof.hof": reading never crashes or reads out of bounds, and what is
// written back reads back as the same first ten entries.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "formats/HallOfFameFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<HallOfFameEntry> entries = ParseHallOfFame(bytes);

    std::vector<HallOfFameEntry> ordered;
    for (const HallOfFameEntry& entry : entries) InsertHallOfFameEntry(ordered, entry);

    const std::vector<HallOfFameEntry> back = ParseHallOfFame(FormatHallOfFame(entries));
    const size_t saved = entries.size() < kHallOfFameFileEntries ? entries.size() : kHallOfFameFileEntries;
    bool shortNames = true;
    for (size_t i = 0; i < saved; ++i) shortNames = shortNames && entries[i].name.size() < 1900;
    if (shortNames) {
        if (back.size() != saved) std::abort();
        for (size_t i = 0; i < saved; ++i) {
            if (back[i].name != entries[i].name || back[i].score != entries[i].score) std::abort();
        }
    }
    for (const HallOfFameEntry& entry : ordered) (void)HallOfFameLineText(entry);
    return 0;
}
