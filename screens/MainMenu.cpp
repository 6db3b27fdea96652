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
#include "learning/Learner.h"
#include "learning/ReviewSchedule.h"
#include "screens/SceneLookup.h"
#include "screens/ScreenSteps.h"

namespace {

// The objects that leave together, in this order.
const char* const kLeaving[] = {key::kMainMenuPicture, key::kMainMenu, key::kLogoLexa, key::kLogoDrill};

void FlyOutMainMenu(Game& game) {
    for (const char* objectKey : kLeaving) FlyOutObject(game.scene, objectKey);
}

constexpr int kReviewLine = LineOf(MenuLine::Review);

// The review line tells what is due today; with nothing due it is disabled and chooses nothing.
void ShowReviewLine(Game& game) {
    GLObjectTextList* menu = FindTextList(game.scene, key::kMainMenu);
    if (!menu || kReviewLine >= static_cast<int>(menu->lines.size())) return;
    // What another game saved, or a list imported or removed since, counts.
    ReadSchedulesAgain(game.learner);
    const int due = DueCountToday(game.app, game.learner);
    GLObjectText* line = menu->lines[kReviewLine];
    line->SetText(
        ReviewLineText(game.app.strings, due, due > 0 ? 0 : DaysUntilNextDue(game.app, game.learner)));
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

void AddMainMenuLines(Game& game, GLObjectTextList& menu) {
    // In the order of MenuLine.
    const struct {
        MenuLine line;
        const std::u16string& text;
        const char* lineKey;
    } kLines[] = {
        {MenuLine::Learn, game.app.strings.menuLearn, key::kLine1},
        {MenuLine::Test, game.app.strings.menuTest, key::kLine2},
        {MenuLine::Results, game.app.strings.menuResults, key::kLine3},
        {MenuLine::About, game.app.strings.menuAbout, key::kLine4},
        {MenuLine::Exit, game.app.strings.menuExit, key::kLine5},
        // Below the designed lines, which keep their places; ShowMainMenu fills in the review line.
        {MenuLine::Review, game.app.strings.menuReview, key::kLine6},
        {MenuLine::Progress, game.app.strings.menuProgress, key::kLine7},
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

void ShowMainMenu(Game& game, bool logoShown) {
    if (!game.scene.lights.empty()) game.scene.lights[0]->position[2] = 0.9;
    ShowReviewLine(game);
    FlyInShown(game.scene, key::kMainMenu);
    FlyInShown(game.scene, key::kMainMenuPicture);
    SetVisible(game.scene, key::kBackdrop, true);
    if (!logoShown) {
        FlyInShown(game.scene, key::kLogoLexa);
        FlyInShown(game.scene, key::kLogoDrill);
    }
    game.app.currentScreen = ScreenId::MainMenu;
}

void HideMainMenu(Game& game) {
    for (const char* objectKey :
         {key::kMainMenu, key::kMainMenuPicture, key::kLogoLexa, key::kLogoDrill, key::kAbortButton}) {
        SetVisible(game.scene, objectKey, false);
    }
}

void MainMenuInput(Game& game, const InputEvent& input) {
    if (!input.IsPlainClick() && !input.HasMeaning()) return;
    GLObjectTextList* menu = FindTextList(game.scene, key::kMainMenu);
    if (!menu) return;
    // The abort button is not shown here; it can only still be hovered from the screen that hid
    // it. This road does not take the lock.
    if (PointsAt(game.scene, input, key::kAbortButton)) {
        FlyOutMainMenu(game);
        PostScreenEvent(game.scene, ScreenEvent::ExitConfirmAfterMainMenuAbort, 80);
        return;
    }
    MoveSelectionByArrow(*menu, input);
    if (SelectPickedLine(*menu, input)) return;

    if (!ChoosesSelectedLine(*menu, input) || game.app.transitionLock) return;
    if (menu->selected == kReviewLine && !ReviewLineEnabled(*menu)) return;
    game.app.transitionLock = true;
    FlyOutMainMenu(game);
    switch (static_cast<MenuLine>(menu->selected)) {
        case MenuLine::Learn:
            PostScreenEvent(game.scene, ScreenEvent::TopicsAfterMainMenu, 80);
            game.app.sessionMode = SessionMode::Learning;
            break;
        case MenuLine::Test:
            PostScreenEvent(game.scene, ScreenEvent::TopicsAfterMainMenu, 80);
            game.app.sessionMode = SessionMode::Test;
            break;
        case MenuLine::Results:
            PostScreenEvent(game.scene, ScreenEvent::HallOfFameAfterMainMenu, 80);
            break;
        case MenuLine::About:
            PostScreenEvent(game.scene, ScreenEvent::InfoAfterMainMenu, 80);
            break;
        case MenuLine::Exit:
            PostScreenEvent(game.scene, ScreenEvent::ExitConfirmAfterMenuLine, 80);
            break;
        case MenuLine::Review:
            PostScreenEvent(game.scene, ScreenEvent::ReviewAfterMainMenu, 80);
            break;
        case MenuLine::Progress:
            PostScreenEvent(game.scene, ScreenEvent::ProgressAfterMainMenu, 80);
            break;
    }
}
