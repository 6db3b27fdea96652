// Studying a topic: one prompt/answer pair at a time in file order, with a counter.
#pragma once

#include "game/state/InputEvent.h"

// Over the topic selected on the topics screen.
void ShowLearningScreen();
// Over the latest test run's missed entries only, in the order asked (learning/MissedEntries.h).
void ShowPractiseRound();
void LearningScreenInput(const InputEvent& input);
// Steps back to the previous pair (the way the arrow steps on); nothing on the first pair.
void ShowPreviousLearningPair();
// Speaks the shown pair's Spanish word again.
void SpeakLearningAnswerAgain();
// The frame tick's "ekran_nauka - nastepne slowo": shows entry currentWord.
void ShowNextLearningEntry();
void LeaveLearning();
void HideLearningScreen();
