// The hall of fame: "hof.hof" in the save folder (UTF-16LE with BOM, "%s\t%d\r\n" lines, ten at most), the
// resident list in descending score order, and its scrolling screen.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct HallOfFameEntry {
    std::u16string name;
    int32_t score = 0;
};

extern std::vector<HallOfFameEntry> hallOfFame;

// The file as designed: "hof.hof", kept where game/SaveFolder.h says.
constexpr const char* kHallOfFameFile = "hof.hof";
void LoadHallOfFame();
void AddHallOfFameEntry(const std::u16string& name, int32_t score);
// Writes the first ten entries through a temporary file and a rename.
void SaveHallOfFame();
void ClearHallOfFame();
void BuildHallOfFame();
void ShowHallOfFame();
void HallOfFameInput(int code);
void HideHallOfFame();
