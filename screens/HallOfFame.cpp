#include "screens/HallOfFame.h"

#include <cstdint>
#include <vector>

#include "app/AppContext.h"
#include "app/SafeFileWrite.h"
#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "formats/BoundedFileRead.h"
#include "game/SaveFolder.h"
#include "screens/HallOfFameFile.h"
#include "screens/ScreenSteps.h"

std::vector<HallOfFameEntry> hallOfFame;

namespace {

GLObjectTextList* HallOfFameList() { return FindTextList("halloffame"); }

// The screen's list mirrors the resident list line by line.
void RefillList() {
    GLObjectTextList* list = HallOfFameList();
    if (!list) return;
    list->ClearLines();
    for (const HallOfFameEntry& entry : hallOfFame) list->AddLine(HallOfFameLineText(entry), "i", true);
    list->Select(0);
}

}  // namespace

void LoadHallOfFame() {
    ClearHallOfFame();
    GLObjectTextList* list = HallOfFameList();
    if (list) list->ClearLines();
    std::vector<uint8_t> bytes;
    if (!ReadFileWithin(SavedFileToRead(kHallOfFameFile), kHallOfFameLimit, bytes)) return;
    hallOfFame = ParseHallOfFame(std::string(bytes.begin(), bytes.end()));
    RefillList();
}

void AddHallOfFameEntry(const std::u16string& name, int32_t score) {
    InsertHallOfFameEntry(hallOfFame, HallOfFameEntry{name, score});
    RefillList();
}

void SaveHallOfFame() {
    // A failed save loses the result silently, as any file failure here does.
    const std::string bytes = FormatHallOfFame(hallOfFame);
    WriteFileAtomically(SavedFileToWrite(kHallOfFameFile), bytes.data(), bytes.size());
}

void ClearHallOfFame() { hallOfFame.clear(); }

void BuildHallOfFame() {
    auto* list = new GLObjectTextList("halloffame", 4, "data/arrow_up.MS3D", "data/arrow_down.MS3D", 0, 0, 0);
    list->visible = false;
    scene->AddObject(list);

    AddHiddenLabel("halloffame_label", u"Hall of fame", 0, 1, 0, 0.5, 0.5, 0.5);
}

void ShowHallOfFame() {
    LoadHallOfFame();
    if (GLObject* list = scene->FindObject("halloffame")) {
        list->FlyIn();
        list->visible = true;
    }
    EnterFromLeft("halloffame_label");
    EnterFromLeft("przerwij");
}

void HallOfFameInput(int code) {
    if (code != 1) return;
    GLObjectTextList* list = HallOfFameList();
    if (!list) return;
    GLObject* up = FindObjectIn(list->children, "arrowup");
    GLObject* down = FindObjectIn(list->children, "arrowdown");
    if (up && up->hovered) list->SelectPrevious();
    if (down && down->hovered) list->SelectNext();
    GLObject* abort = scene->FindObject("przerwij");
    if (abort && abort->hovered && !app->transitionLock) {
        app->transitionLock = true;
        abort->FlyOut();
        list->FlyOut();
        if (GLObject* label = scene->FindObject("halloffame_label")) label->FlyOut();
        scene->PostEvent("ekran_glowny po halloffame wjazd", 80);
    }
}

void HideHallOfFame() {
    for (const char* key : {"halloffame", "halloffame_label", "przerwij"}) SetVisible(key, false);
    ClearHallOfFame();
}
