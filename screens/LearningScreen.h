// Studying a topic: one prompt/answer pair at a time in file order, with a counter.
#pragma once

void ShowLearningScreen();
void LearningScreenInput(int code);
// The frame tick's "ekran_nauka - nastepne slowo": shows entry currentWord.
void ShowNextLearningEntry();
void LeaveLearning();
void HideLearningScreen();
