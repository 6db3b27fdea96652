// Which way round each topic is practised: Forward as the topic is designed (its prompt shown, its
// answer typed) or Reverse, for designed and own topics alike. Chosen on the topics screen and
// kept in the learner's record for the next start. A reverse run keeps its counts and schedule in
// the record beside the designed direction's; it never writes a designed file (_rep.dat, hof.hof).
#pragma once

#include <string>

#include "record/RecordTypes.h"

struct AppContext;
struct Learner;

// The row's direction as last chosen (Forward for a row never turned or out of range).
record::Direction ChosenDirection(const AppContext& app, const Learner& learner, int row);
// Turns the row's direction for this session and keeps it in the record; false when the record
// could not keep it (another game writing it, a full disk): it is then turned for this session only.
bool TurnDirection(const AppContext& app, Learner& learner, int row);
// The row's chosen direction in words: "English → Spanish", of an own list its languages' English
// names ("German → English"), "unknown" for a side whose language is not known.
std::u16string DirectionCaption(const AppContext& app, const Learner& learner, int row);
// Forgets this session's turns (a new start; the record keeps what it kept).
void ForgetChosenDirections(Learner& learner);
