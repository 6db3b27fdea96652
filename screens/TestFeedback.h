// What the test screen shows when a question is judged: the prompt and answer leaving, the
// flying "great!", "correct" or "wrong", and the particle bursts.
#pragma once

#include <string>

// A right answer; bonus: it came with more than ten seconds left.
void ShowRightAnswer(bool bonus);
// A wrong answer or a time-out: the expected answer is shown in the answer field as it leaves.
void ShowWrongAnswer(const std::u16string& expected);
// A right answer typed in another spelling: the answer field shows the expected one as it leaves.
void ShowExpectedSpelling(const std::u16string& expected);
