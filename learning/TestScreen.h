// The timed test: the run's state, the screen's own objects, the question cycle, the one-second
// clock on the platform's millisecond counter and the input.
#pragma once

#include <cstdint>

struct TestRun {
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
};

// The run in progress (one at a time).
extern TestRun testRun;

void BuildTestObjects();
void StartTest();
void TestClockTick();
void TestInput(int code);
// The frame tick's "ekran_test - nastepne slowo".
void ShowNextTestQuestion();
void FinishTest();
void HideTestScreen();
