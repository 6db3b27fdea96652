// Scoring a judged answer and deciding the run: next question, passed or failed.
#pragma once

void EvaluateAnswer(bool correct);
