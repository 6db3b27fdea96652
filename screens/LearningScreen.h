// Studying a topic: one prompt/answer pair at a time in file order, with a counter.
#pragma once

#include "game/state/InputEvent.h"
#include "screens/Game.h"

// Over the topic selected on the topics screen.
void ShowLearningScreen(Game& game);
// Over the latest test run's missed entries only, in the order asked (learning/MissedEntries.h).
void ShowPractiseRound(Game& game);
void LearningScreenInput(Game& game, const InputEvent& input);
// Steps back to the previous pair (the way the arrow steps on); nothing on the first pair.
void ShowPreviousLearningPair(Game& game);
// Speaks the shown pair's Spanish word again.
void SpeakLearningAnswerAgain(Game& game);
// The frame tick's "ekran_nauka - nastepne slowo": shows entry currentWord.
void ShowNextLearningEntry(Game& game);
void LeaveLearning(Game& game);
void HideLearningScreen(Game& game);
