// The timed test screen: its own objects, the question cycle, judging an answer, the one-second
// clock on the platform's millisecond counter and the input. The run's state and its scoring rules
// are in learning/TestRun.h.
#pragma once

void BuildTestScreen();
// A test of the topic selected on the topics screen.
void ShowTestScreen();
// A review of the schedule's due cards (learning/ReviewRun.h): judged and timed as a test, without
// score, pass mark or hall of fame, ending on the review's result screen.
void ShowReviewRun();
void TestClockTick();
void TestScreenInput(int code);
// The frame tick's "ekran_test - nastepne slowo".
void ShowNextTestQuestion();
// Judges the open question: feedback, counts, and the next question or the end of the run.
void EvaluateAnswer(bool correct);
// The end of a run (passed, failed, reviewed or broken off): its counts, schedule and (a test's)
// hall-of-fame entry saved under one lock, a failed save told once, the run's objects leaving.
void FinishTest();
// Hides the run's objects and saves its counts once more (unchanged, unless another game saved
// meanwhile).
void HideTestScreen();
