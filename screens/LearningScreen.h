// Studying a topic: one prompt/answer pair at a time in file order, with a counter.
#pragma once

// Over the topic selected on the topics screen.
void ShowLearningScreen();
// Over the latest test run's missed entries only, in the order asked (learning/MissedEntries.h).
void ShowPractiseRound();
void LearningScreenInput(int code);
// The frame tick's "ekran_nauka - nastepne slowo": shows entry currentWord.
void ShowNextLearningEntry();
void LeaveLearning();
void HideLearningScreen();
