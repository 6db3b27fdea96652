// The main menu: a click on the selected line chooses it; a click on another line, like the
// arrows, moves the selection. Every choice flies the menu out and schedules the next screen.
#include "screens/MainMenu.h"

#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "game/names/EventNames.h"
#include "game/names/ObjectKeys.h"
#include "game/state/AppContext.h"
#include "game/texts/UiStrings.h"
#include "learning/ReviewSchedule.h"
#include "screens/SceneLookup.h"
#include "screens/ScreenSteps.h"

namespace {

// The objects that leave together, in this order.
const char* const kLeaving[] = {key::kMainMenuPicture, key::kMainMenu, key::kLogoLexa, key::kLogoDrill};

void FlyOutMainMenu() {
    for (const char* objectKey : kLeaving) FlyOutObject(objectKey);
}

constexpr int kReviewLine = LineOf(MenuLine::Review);

// The review line tells what is due today; with nothing due it is disabled and chooses nothing.
void ShowReviewLine() {
    GLObjectTextList* menu = FindTextList(key::kMainMenu);
    if (!menu || kReviewLine >= static_cast<int>(menu->lines.size())) return;
    // What another game saved, or a list imported or removed since, counts.
    ReadSchedulesAgain();
    const int due = DueCountToday();
    GLObjectText* line = menu->lines[kReviewLine];
    line->SetText(ReviewLineText(app->strings, due, due > 0 ? 0 : DaysUntilNextDue()));
    line->visible = due > 0;  // the list's enabled mark
    const bool selected = menu->selected == kReviewLine;
    const double* rgb = due > 0 ? (selected ? menu->selectedColour : menu->normalColour)
                                : (selected ? menu->selectedDisabledColour : menu->disabledColour);
    line->SetVertexColourRgb(rgb[0], rgb[1], rgb[2]);
}

bool ReviewLineEnabled(const GLObjectTextList& menu) {
    return kReviewLine < static_cast<int>(menu.lines.size()) && menu.lines[kReviewLine]->visible;
}

}  // namespace

void AddMainMenuLines(GLObjectTextList& menu) {
    // In the order of MenuLine.
    const struct {
        MenuLine line;
        const std::u16string& text;
        const char* lineKey;
    } kLines[] = {
        {MenuLine::Learn, app->strings.menuLearn, key::kLine1},
        {MenuLine::Test, app->strings.menuTest, key::kLine2},
        {MenuLine::Results, app->strings.menuResults, key::kLine3},
        {MenuLine::About, app->strings.menuAbout, key::kLine4},
        {MenuLine::Exit, app->strings.menuExit, key::kLine5},
        // Below the designed lines, which keep their places; ShowMainMenu fills in the review line.
        {MenuLine::Review, app->strings.menuReview, key::kLine6},
        {MenuLine::Progress, app->strings.menuProgress, key::kLine7},
    };
    for (const auto& row : kLines) menu.AddLine(row.text, row.lineKey, true);
}

std::u16string ReviewLineText(const UiStrings& texts, int dueToday, int daysUntilNextDue) {
    const std::u16string& review = texts.menuReview;
    if (dueToday > 0) {
        const std::string count = DueCountText(dueToday);
        return review + u" " + std::u16string(count.begin(), count.end());
    }
    if (daysUntilNextDue == 1) return review + u": next tomorrow";
    if (daysUntilNextDue > 1) return review + u": next in " + NumberText(daysUntilNextDue) + u" days";
    return review + u": nothing due";
}

void ShowMainMenu(bool logoShown) {
    if (!scene->lights.empty()) scene->lights[0]->position[2] = 0.9;
    ShowReviewLine();
    FlyInShown(key::kMainMenu);
    FlyInShown(key::kMainMenuPicture);
    SetVisible(key::kBackdrop, true);
    if (!logoShown) {
        FlyInShown(key::kLogoLexa);
        FlyInShown(key::kLogoDrill);
    }
    app->currentScreen = ScreenId::MainMenu;
}

void HideMainMenu() {
    for (const char* objectKey :
         {key::kMainMenu, key::kMainMenuPicture, key::kLogoLexa, key::kLogoDrill, key::kAbortButton}) {
        SetVisible(objectKey, false);
    }
}

void MainMenuInput(const InputEvent& input) {
    if (!input.IsPlainClick() && !input.HasMeaning()) return;
    GLObjectTextList* menu = FindTextList(key::kMainMenu);
    if (!menu) return;
    // The abort button is not shown here; it can only still be hovered from the screen that hid
    // it. This road does not take the lock.
    if (PointsAt(input, key::kAbortButton)) {
        FlyOutMainMenu();
        PostScreenEvent(ScreenEvent::ExitConfirmAfterMainMenuAbort, 80);
        return;
    }
    MoveSelectionByArrow(*menu, input);
    if (SelectPickedLine(*menu, input)) return;

    if (!ChoosesSelectedLine(*menu, input) || app->transitionLock) return;
    if (menu->selected == kReviewLine && !ReviewLineEnabled(*menu)) return;
    app->transitionLock = true;
    FlyOutMainMenu();
    switch (static_cast<MenuLine>(menu->selected)) {
        case MenuLine::Learn:
            PostScreenEvent(ScreenEvent::TopicsAfterMainMenu, 80);
            app->sessionMode = SessionMode::Learning;
            break;
        case MenuLine::Test:
            PostScreenEvent(ScreenEvent::TopicsAfterMainMenu, 80);
            app->sessionMode = SessionMode::Test;
            break;
        case MenuLine::Results:
            PostScreenEvent(ScreenEvent::HallOfFameAfterMainMenu, 80);
            break;
        case MenuLine::About:
            PostScreenEvent(ScreenEvent::InfoAfterMainMenu, 80);
            break;
        case MenuLine::Exit:
            PostScreenEvent(ScreenEvent::ExitConfirmAfterMenuLine, 80);
            break;
        case MenuLine::Review:
            PostScreenEvent(ScreenEvent::ReviewAfterMainMenu, 80);
            break;
        case MenuLine::Progress:
            PostScreenEvent(ScreenEvent::ProgressAfterMainMenu, 80);
            break;
    }
}
