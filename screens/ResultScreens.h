// "Next level unlocked", "Game over" and "Review done" ("review stopped" when broken off), screens of one
// shape: the panel, the run's final score (a review's right answers) and the arrow, and above them the words
// to practise (the run's missed entries, "prompt - answer", in the order asked). Either leaves on a click or
// key while the arrow is hovered; a click on the words' selected line starts a learning round of just those
// entries instead.
#pragma once

#include "game/state/InputEvent.h"
#include "screens/Game.h"

void BuildNextLevelScreen(Game& game);
void BuildGameOverScreen(Game& game);
void BuildReviewResultScreen(Game& game);
void ShowNextLevelScreen(Game& game);
void ShowGameOverScreen(Game& game);
void ShowReviewResultScreen(Game& game);
void NextLevelScreenInput(Game& game, const InputEvent& input);
void GameOverScreenInput(Game& game, const InputEvent& input);
// The arrow leads back to the main menu.
void ReviewResultScreenInput(Game& game, const InputEvent& input);
// The frame tick's watch over the words to practise: the selected entry's answer is spoken when the
// list appears and whenever its selection has moved, whatever moved it.
void FollowPractiseSelection(Game& game);
// The words to practise have the keyboard's attention once the player moved them with Up, Down or
// the wheel on this showing of the list, while they hold a word to choose: Return then chooses the
// highlighted line; until then it is the arrow at the bottom right, as designed.
bool PractiseListHasAttention(Game& game);
// Speaks the selected entry's answer again (nothing when no word was missed).
void SpeakPractiseSelectionAgain(Game& game);
// Hides whichever of them is shown.
void HideResultScreens(Game& game);
