// The timed test screen: its own objects, the question cycle, judging an answer, the one-second
// clock on the platform's millisecond counter and the input. The run's state and its scoring rules
// are in learning/TestRun.h.
#pragma once

#include "game/InputEvent.h"

void BuildTestScreen();
void ShowTestScreen();
void TestClockTick();
void TestScreenInput(const InputEvent& input);
// The frame tick's "ekran_test - nastepne slowo".
void ShowNextTestQuestion();
// Judges the open question: feedback, counts, and the next question or the end of the run.
void EvaluateAnswer(bool correct);
// The end of a run (passed, failed or broken off): its counts and its hall-of-fame entry saved
// under one lock, a failed save told once, the run's objects leaving.
void FinishTest();
// Hides the run's objects and saves its counts once more (unchanged, unless another game saved
// meanwhile).
void HideTestScreen();
