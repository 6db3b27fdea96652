// The timed test screen: its own objects, the question cycle, judging an answer, the one-second
// clock on the platform's millisecond counter and the input. The run's state and its scoring rules
// are in learning/TestRun.h.
#pragma once

#include "game/state/InputEvent.h"
#include "learning/AnswerCheck.h"
#include "screens/Game.h"

void BuildTestScreen(Game& game);
// A test of the topic selected on the topics screen.
void ShowTestScreen(Game& game);
// A review of the schedule's due cards (learning/ReviewRun.h): judged and timed as a test, without
// score, pass mark or hall of fame, ending on the review's result screen.
void ShowReviewRun(Game& game);
// Once a tick on the test screen: the one-second clock, and a run's save waiting for the lock.
void TestClockTick(Game& game);
void TestScreenInput(Game& game, const InputEvent& input);
// The frame tick's "ekran_test - nastepne slowo".
void ShowNextTestQuestion(Game& game);
// Hands in the judged open question (a time-out: a verdict of wrong): feedback, counts, the answer
// kept in the learner's record (what was typed and its verdict, or that time ran out), and the next
// question or the end of the run.
void EvaluateAnswer(Game& game, const AnswerVerdict& verdict, const std::u16string& typed, bool timedOut);
enum class RunEndKind { Passed, Failed, BrokenOff, Reviewed };
// The end of a test or review: the run's objects leave and its save starts (learning/RunEndSave.h), done at
// once unless another game holds the save folder's lock, else waited for across ticks; once done,
// a save that did not go as it should is told in a message box and the next screen follows.
void FinishTest(Game& game, RunEndKind how);
// The game is closing: a run's save still waiting for the lock is done now, without it.
void SaveRunEndNow(Game& game);
// Hides the run's objects.
void HideTestScreen(Game& game);
