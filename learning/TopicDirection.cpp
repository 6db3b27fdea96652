#include "learning/TopicDirection.h"

#include <map>

#include "formats/LanguageCodes.h"
#include "game/state/AppContext.h"
#include "learning/Learner.h"
#include "learning/OwnTopics.h"
#include "learning/TopicWords.h"
#include "record/RecordStore.h"
#include "unicode/Utf8Utf16.h"

namespace {

using record::Direction;

record::TopicKey KeyOf(const AppContext& app, const Learner& learner, int row) {
    if (const OwnTopic* own = OwnTopicOfRow(app, learner, row))
        return record::TopicKey{own->listFile, own->part};
    return record::TopicKey{"", app.topics[row].firstWord};
}

std::u16string SideName(const std::string& code) {
    return Utf8ToUtf16(code.empty() ? "unknown" : EnglishLanguageName(code));
}

}  // namespace

Direction ChosenDirection(const AppContext& app, const Learner& learner, int row) {
    if (!app.HasTopicRow(row)) return Direction::Forward;
    const record::TopicKey key = KeyOf(app, learner, row);
    const auto turned = learner.turnedThisSession.find(key);
    if (turned != learner.turnedThisSession.end()) return turned->second;
    const std::map<record::TopicKey, Direction> kept = record::ChosenDirections();
    const auto found = kept.find(key);
    return found == kept.end() ? Direction::Forward : found->second;
}

bool TurnDirection(const AppContext& app, Learner& learner, int row) {
    if (!app.HasTopicRow(row)) return false;
    const Direction turned =
        ChosenDirection(app, learner, row) == Direction::Forward ? Direction::Reverse : Direction::Forward;
    const record::TopicKey key = KeyOf(app, learner, row);
    learner.turnedThisSession[key] = turned;
    record::Transaction change;
    if (!change.Begin().Done()) return false;
    change.PutChosenDirection(key, turned);
    return change.Commit().Done();
}

std::u16string DirectionCaption(const AppContext& app, const Learner& learner, int row) {
    const OwnTopic* own = OwnTopicOfRow(app, learner, row);
    const SideLanguages sides = own ? own->languages : SideLanguages{};
    const bool reverse = ChosenDirection(app, learner, row) == Direction::Reverse;
    const std::u16string first = SideName(reverse ? sides.answer : sides.prompt);
    const std::u16string second = SideName(reverse ? sides.prompt : sides.answer);
    return first + u" \u2192 " + second;
}

void ForgetChosenDirections(Learner& learner) { learner.turnedThisSession.clear(); }
