// A timed test run: its state and the rules that score an answer and decide the run.
#pragma once

#include <cstdint>

// A test asks one topic, scores and may pass; a review asks the schedule's due cards of every
// topic in the order chosen, with the same judging and clock, and ends when all were asked.
enum class RunMode { Test, Review };

struct TestRun {
    RunMode mode = RunMode::Test;
    int32_t timeLeft = 15;
    bool clockRunning = true;
    bool paused = false;
    uint32_t lastTickMs = 0;
    int32_t score = 0;
    int32_t correctCount = 0;
    int32_t wrongCount = 0;
    int32_t askedCount = 0;
    int32_t testLength = 0;
    int32_t toPass = 0;
    int32_t topicIndex = 0;
    bool answerSubmitted = false;
    bool answerEvaluated = false;
    // The player broke the run off (its cross) before it was decided.
    bool brokenOff = false;
};

// Right answers needed to pass a run of testLength questions: 70 %, and at least one.
int32_t PassMark(int32_t testLength);

// Adds a judged answer to the counts and the score: 10 points for a right one and 10 more when
// more than 10 seconds were left. Returns true when the bonus was earned.
bool ScoreAnswer(TestRun& run, bool correct);

enum class RunOutcome { NextQuestion, Passed, Failed, Reviewed };
// After an answer: passed once toPass answers were right, failed when every question was asked. A
// review neither passes nor fails: it is reviewed when every card was asked.
RunOutcome DecideRun(const TestRun& run);
