// What the test screen shows when a question is judged: the prompt and answer leaving, the
// flying "great!", "correct" or "wrong", and the particle bursts.
#pragma once

#include <cstddef>
#include <string>

#include "screens/Game.h"

// A right answer; bonus: it came with more than ten seconds left.
void ShowRightAnswer(Game& game, bool bonus);
// A wrong answer or a time-out: the expected answer is shown in the answer field as it leaves.
void ShowWrongAnswer(Game& game, const std::u16string& expected);
// A wrong answer one letter off: "almost" flies instead of "wrong", and the answer field shows the
// spelling it missed with the differing letters marked.
void ShowAlmostAnswer(Game& game, const std::u16string& spelling, size_t markFirst, size_t markCount);
// A right answer typed in another spelling: the answer field shows the expected one as it leaves.
void ShowExpectedSpelling(Game& game, const std::u16string& expected);
