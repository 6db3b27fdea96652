#include "screens/ProgressScreen.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "engine/TextFit.h"
#include "game/names/EventNames.h"
#include "game/names/ObjectKeys.h"
#include "game/state/AppContext.h"
#include "learning/Learner.h"
#include "learning/ReviewSchedule.h"
#include "screens/SceneLookup.h"
#include "screens/ScreenSteps.h"

namespace {

// Topic rows shown at once; the list of names scrolls over the rest, as the topics list does.
constexpr int kRowsShown = 10;
// The names are a text list, whose lines are drawn in its own frame: their size is the list's
// scale squared and their place is scaled with it, so the list stands at centre / (1 + scale) to
// centre its names on kNamesCentreX with the first at kFirstRowY, lines 0.4 * scale apart. Each
// shown row's bar runs from kBarLeft for kBarLength, its recall after it.
constexpr double kNameScale = 0.6, kNamesCentreX = -2.5, kFirstRowY = 1.4, kRowSpacing = 0.4 * kNameScale;
constexpr double kBarLeft = -1.1, kBarLength = 1.35, kBarThickness = 0.14, kRecallX = 0.36;
// A bar stands level with the middle of its name's letters.
constexpr double kBarRaise = 0.23 * kNameScale * kNameScale;
// The list's arrows stand in a column of their own between the names and the bars, level with the
// first and the last shown name; a name is cut ("...") to end before them. A text's drawn width
// is half its glyph width at scale 1, and the names are drawn at the list's scale squared.
constexpr double kArrowsX = -1.43, kArrowHalfWidth = 0.13;
constexpr double kNamesRight = kArrowsX - kArrowHalfWidth - 0.05;
constexpr double kMaxNameWidth = 2 * (kNamesRight - kNamesCentreX) / (0.5 * kNameScale * kNameScale);
// The days strip and the bars of the days ahead, right of the topics.
constexpr double kRightMiddle = 2.15;
constexpr double kFirstDayX = 0.98, kDayStep = 0.18, kDaysY = 1.3, kDaySize = 0.13;
constexpr double kFirstAheadX = 1.05, kAheadStep = 0.37, kAheadBaseY = -1.25, kAheadMaxHeight = 1.1;
constexpr double kLabelScale = 0.3, kSmallScale = 0.26, kDayAnswersScale = 0.17;

// One colour per box group, in the order of TopicProgress: new, 1-2, 3-4, 5-7.
constexpr double kGroupColours[4][3] = {
    {0.55, 0.55, 0.55}, {0.85, 0.2, 0.15}, {0.95, 0.62, 0.1}, {0.15, 0.7, 0.25}};
constexpr double kPractisedColour[3] = {0.15, 0.7, 0.25};
constexpr double kRestColour[3] = {0.45, 0.45, 0.45};
constexpr double kAheadColour[3] = {0.25, 0.4, 0.9};

}  // namespace

// The screen's objects in order (the scene owns them), and what it shows; filled by
// BuildProgressScreen, kept in the screens' state (AppContext::screens) as long as the scene.
struct ProgressObjects {
    // One shown row beside the list's names: its bar by box group and its recall.
    struct TopicRow {
        std::array<GLObject*, 4> groups{};
        GLObjectText* recall = nullptr;
    };
    std::vector<GLObject*> fixed;  // the title, the legend and the captions
    GLObjectTextList* names = nullptr;
    std::array<TopicRow, kRowsShown> rows{};
    ProgressFigures figures;  // what the picture shows, read when it was shown
    int rowsFirst = -1;       // the list's first shown line the rows were filled for; -1 none
    std::array<GLObject*, kPractisedDaysShown> days{};
    std::array<GLObjectText*, kPractisedDaysShown> dayAnswers{};
    std::array<GLObject*, kDaysAheadShown> aheadBars{};
    std::array<GLObjectText*, kDaysAheadShown> aheadCounts{};
    std::array<GLObjectText*, kDaysAheadShown> aheadDays{};
    GLObjectText* streak = nullptr;
    GLObjectText* recall = nullptr;
    GLObjectText* hint = nullptr;
};

namespace {

// The screen's objects; an empty set before the screen was built.
ProgressObjects& Objects(Game& game) {
    if (!game.app.screens.progressObjects)
        game.app.screens.progressObjects = std::make_shared<ProgressObjects>();
    return *game.app.screens.progressObjects;
}

GLObject* AddBlock(Game& game, const char* objectKey, double x, double y, double width, double height,
                   const double* rgb) {
    auto* cube = game.scene.Add(std::make_unique<GLObjectCube>(objectKey, x, y, 0.3, width, height, height));
    cube->SetColour(rgb[0], rgb[1], rgb[2], 1);
    cube->depthTest = true;
    cube->blend = true;
    cube->texturedColour = false;
    cube->visible = false;
    return cube;
}

GLObjectText* AddText(Game& game, const char* objectKey, const std::u16string& text, double x, double y,
                      double scale, const double* rgb) {
    GLObjectText* label = AddHiddenLabel(game.scene, objectKey, text, x, y, 0.3, rgb[0], rgb[1], rgb[2]);
    label->scale = label->homeScale = scale;
    return label;
}

// A text placed with its left end at x: texts are centred on their position.
void AlignLeft(GLObjectText& text, double x) {
    text.homePosition[0] = text.position[0] = x + 0.25 * text.TextWidth() * text.scale;
    text.UpdateBounds();
}

// Sizes a block along one axis to `length`, starting at `start`; hidden when nothing is there.
void Stretch(GLObject& block, int axis, double start, double length) {
    block.size[axis] = block.homeSize[axis] = length;
    block.homePosition[axis] = block.position[axis] = start + length / 2;
    block.visible = length > 0;
}

void Enter(GLObject* object) {
    if (object && object->visible) EnterFromLeft(object);
}

std::u16string DaysText(int days) { return NumberText(days) + (days == 1 ? u" day" : u" days"); }

std::u16string RecallText(const Recall& recall) {
    return recall.answers > 0 ? NumberText(recall.Percent()) + u" %" : u"-";
}

// The shown rows follow the list's window over the names; hidden while the list scrolls.
void FillTopicRows(Game& game) {
    const int first = Objects(game).names->firstVisible;
    const bool scrolling = Objects(game).names->scrollingUp || Objects(game).names->scrollingDown;
    const std::vector<TopicProgress>& topics = Objects(game).figures.topics;
    for (int slot = 0; slot < kRowsShown; ++slot) {
        ProgressObjects::TopicRow& row = Objects(game).rows[static_cast<size_t>(slot)];
        const size_t index = static_cast<size_t>(first + slot);
        const TopicProgress* topic = !scrolling && index < topics.size() ? &topics[index] : nullptr;
        const std::array<int, 4> counts =
            topic ? std::array<int, 4>{topic->newCards, topic->boxes1to2, topic->boxes3to4, topic->boxes5to7}
                  : std::array<int, 4>{};
        const int total = counts[0] + counts[1] + counts[2] + counts[3];
        double start = kBarLeft;
        for (size_t group = 0; group < counts.size(); ++group) {
            const double length = total > 0 ? kBarLength * counts[group] / total : 0.0;
            Stretch(*row.groups[group], 0, start, length);
            start += length;
        }
        row.recall->visible = topic != nullptr;
        if (topic) {
            row.recall->SetText(RecallText(topic->recall));
            AlignLeft(*row.recall, kRecallX);
        }
    }
    Objects(game).rowsFirst = scrolling ? -1 : first;
}

void FillDays(Game& game, const ProgressFigures& figures) {
    for (int day = 0; day < kPractisedDaysShown; ++day) {
        GLObject* cube = Objects(game).days[day];
        const bool practised = figures.practised[day];
        const double* rgb = practised ? kPractisedColour : kRestColour;
        cube->SetColour(rgb[0], rgb[1], rgb[2], 1);
        cube->wireframe = !practised;
        cube->visible = true;
        const int answers = figures.answersOnDay[static_cast<size_t>(day)];
        Objects(game).dayAnswers[day]->SetText(answers > 0 ? NumberText(answers) : u"");
        Objects(game).dayAnswers[day]->visible = answers > 0;
    }
    Objects(game).streak->SetText(u"streak: " + DaysText(figures.streakDays));
    Objects(game).recall->SetText(u"recall, last " + NumberText(kRecallDays) + u" days: " +
                                  (figures.recall.answers > 0
                                       ? NumberText(figures.recall.Percent()) + u" % of " +
                                             NumberText(figures.recall.answers) + u" answers"
                                       : std::u16string(u"no answers")));
}

void FillDaysAhead(Game& game, const ProgressFigures& figures) {
    const int most = std::max(1, *std::max_element(figures.dueOnDay.begin(), figures.dueOnDay.end()));
    for (int day = 0; day < kDaysAheadShown; ++day) {
        const int due = figures.dueOnDay[day];
        const double height = kAheadMaxHeight * due / most;
        Stretch(*Objects(game).aheadBars[day], 1, kAheadBaseY, height);
        GLObjectText* count = Objects(game).aheadCounts[day];
        count->SetText(NumberText(due));
        count->homePosition[1] = count->position[1] = kAheadBaseY + height + 0.14;
        count->UpdateBounds();
    }
}

// Every object the screen builds (its arrow aside), as the screen's exits visit them.
template <typename Visit>
void ForEachProgressObject(Game& game, Visit visit) {
    for (GLObject* object : Objects(game).fixed) visit(object);
    visit(Objects(game).names);
    for (const ProgressObjects::TopicRow& row : Objects(game).rows) {
        visit(row.recall);
        for (GLObject* group : row.groups) visit(group);
    }
    for (GLObject* day : Objects(game).days) visit(day);
    for (GLObject* answers : Objects(game).dayAnswers) visit(answers);
    for (int day = 0; day < kDaysAheadShown; ++day) {
        visit(Objects(game).aheadBars[day]);
        visit(Objects(game).aheadCounts[day]);
        visit(Objects(game).aheadDays[day]);
    }
    visit(Objects(game).streak);
    visit(Objects(game).recall);
    visit(Objects(game).hint);
}

void FlyOutProgressScreen(Game& game) {
    ForEachProgressObject(game, [](GLObject* object) {
        if (object && object->visible) object->FlyOut();
    });
}

}  // namespace

void BuildProgressScreen(Game& game) {
    game.app.screens.progressObjects = std::make_shared<ProgressObjects>();
    constexpr double kTitle[3] = {0.3, 0.3, 0.5}, kCaption[3] = {0.35, 0.35, 0.35};
    Objects(game).fixed.push_back(AddText(game, key::kProgressTitle, u"progress", -1.6, 2.05, 0.5, kTitle));
    // The legend: a block of each group's colour with its name beside it.
    const char16_t* const groupNames[4] = {u"new", u"boxes 1-2", u"3-4", u"5-7"};
    const double legendX[4] = {-3.4, -2.55, -1.35, -0.6};
    for (int group = 0; group < 4; ++group) {
        Objects(game).fixed.push_back(AddBlock(game, key::kProgressLegend, legendX[group], 1.8, kDaySize,
                                               kDaySize, kGroupColours[group]));
        GLObjectText* name = AddText(game, key::kProgressLegend, groupNames[group], legendX[group], 1.78,
                                     kSmallScale, kCaption);
        AlignLeft(*name, legendX[group] + 0.12);
        Objects(game).fixed.push_back(name);
    }

    // The names are filled in when the picture is shown: the topics may have changed since.
    Objects(game).names = game.scene.Add(std::make_unique<GLObjectTextList>(
        key::kProgressTopicList, kRowsShown, "data/arrow_up.MS3D", "data/arrow_down.MS3D",
        kNamesCentreX / (1 + kNameScale), kFirstRowY / (1 + kNameScale), 0.3));
    Objects(game).names->scale = kNameScale;
    Objects(game).names->visible = false;
    for (int slot = 0; slot < kRowsShown; ++slot) {
        const double y = kFirstRowY - slot * kRowSpacing;
        ProgressObjects::TopicRow& row = Objects(game).rows[static_cast<size_t>(slot)];
        for (int group = 0; group < 4; ++group)
            row.groups[group] = AddBlock(game, key::kProgressBoxBar, kBarLeft, y + kBarRaise, 0,
                                         kBarThickness, kGroupColours[group]);
        row.recall = AddText(game, key::kProgressRecall, u"", kRecallX, y, kSmallScale, kCaption);
    }

    Objects(game).fixed.push_back(
        AddText(game, key::kProgressDaysTitle, u"last 14 days", kRightMiddle, 1.62, kLabelScale, kTitle));
    for (int day = 0; day < kPractisedDaysShown; ++day) {
        const double x = kFirstDayX + day * kDayStep;
        Objects(game).days[day] =
            AddBlock(game, key::kProgressDay, x, kDaysY, kDaySize, kDaySize, kRestColour);
        // How many answers the day had, above its square.
        Objects(game).dayAnswers[day] =
            AddText(game, key::kProgressDayAnswers, u"", x, kDaysY + 0.15, kDayAnswersScale, kCaption);
    }
    Objects(game).streak =
        AddText(game, key::kProgressStreak, u"", kRightMiddle, 1.02, kLabelScale, kCaption);
    Objects(game).recall = AddText(game, key::kProgressRecall, u"", kRightMiddle, 0.8, kSmallScale, kCaption);

    Objects(game).fixed.push_back(AddText(game, key::kProgressDueTitle, u"due in the next 7 days",
                                          kRightMiddle, 0.55, kLabelScale, kTitle));
    for (int day = 0; day < kDaysAheadShown; ++day) {
        const double x = kFirstAheadX + day * kAheadStep;
        Objects(game).aheadBars[day] =
            AddBlock(game, key::kProgressDueBar, x, kAheadBaseY, 0.2, 0, kAheadColour);
        Objects(game).aheadCounts[day] =
            AddText(game, key::kProgressDueCount, u"0", x, kAheadBaseY, kSmallScale, kCaption);
        Objects(game).aheadDays[day] =
            AddText(game, key::kProgressDueDay, day == 0 ? u"today" : u"+" + NumberText(day), x,
                    kAheadBaseY - 0.2, kSmallScale * 0.9, kCaption);
    }
    // In the empty chart, which it stands for: nothing is due before the first answer.
    Objects(game).hint =
        AddText(game, key::kProgressHint, u"answer a test or a review to start your schedule", kRightMiddle,
                kAheadBaseY + 0.8 * kAheadMaxHeight, kSmallScale, kTitle);
}

void ShowProgressScreen(Game& game) {
    Objects(game).figures = CurrentProgress(game.app, game.learner);
    const ProgressFigures& figures = Objects(game).figures;
    // The names as the topics stand now, the selection kept where it still is a row.
    const int selected = Objects(game).names->selected;
    Objects(game).names->ClearLines();
    for (const TopicProgress& topic : figures.topics)
        Objects(game).names->AddLine(CutToWidth(game.app.topics[topic.topicIndex].title, kMaxNameWidth),
                                     key::kProgressTopicName, true);
    Objects(game).names->PlaceArrows(kArrowsX, kFirstRowY + kBarRaise,
                                     kFirstRowY - (kRowsShown - 1) * kRowSpacing + kBarRaise);
    Objects(game).names->Select(
        std::clamp(selected, 0, std::max(0, static_cast<int>(figures.topics.size()) - 1)));
    FillTopicRows(game);
    FillDays(game, figures);
    FillDaysAhead(game, figures);
    for (GLObject* object : Objects(game).fixed) object->visible = true;
    for (GLObjectText* day : Objects(game).aheadDays) day->visible = true;
    Objects(game).streak->visible = true;
    Objects(game).recall->visible = true;
    Objects(game).hint->visible = !figures.anyAnswered;

    for (GLObject* object : Objects(game).fixed) Enter(object);
    Objects(game).names->visible = !figures.topics.empty();
    if (Objects(game).names->visible) Objects(game).names->FlyIn();
    for (const ProgressObjects::TopicRow& row : Objects(game).rows) {
        Enter(row.recall);
        for (GLObject* group : row.groups) Enter(group);
    }
    for (GLObject* day : Objects(game).days) Enter(day);
    for (GLObject* answers : Objects(game).dayAnswers) Enter(answers);
    for (int day = 0; day < kDaysAheadShown; ++day) {
        Enter(Objects(game).aheadBars[day]);
        Objects(game).aheadCounts[day]->visible = true;
        Enter(Objects(game).aheadCounts[day]);
        Enter(Objects(game).aheadDays[day]);
    }
    Enter(Objects(game).streak);
    Enter(Objects(game).recall);
    Enter(Objects(game).hint);
    EnterFromLeft(game.scene, key::kArrowPrevious);
}

void ProgressScreenTick(Game& game) {
    if (!Objects(game).names || !Objects(game).names->visible || game.app.transitionLock) return;
    const bool scrolling = Objects(game).names->scrollingUp || Objects(game).names->scrollingDown;
    // The rows follow the names once a scroll is over; they hide while it lasts.
    if (scrolling ? Objects(game).rowsFirst >= 0
                  : Objects(game).rowsFirst != Objects(game).names->firstVisible)
        FillTopicRows(game);
}

void ProgressScreenInput(Game& game, const InputEvent& input) {
    if (game.app.transitionLock) return;
    if (!Presses(game.scene, input, key::kArrowPrevious)) {
        if (GLObjectTextList* names = Objects(game).names) {
            MoveSelectionByArrow(*names, input);
            SelectPickedLine(*names, input);
        }
        return;
    }
    game.app.transitionLock = true;
    FlyOutProgressScreen(game);
    FlyOutObject(game.scene, key::kArrowPrevious);
    PostScreenEvent(game.scene, ScreenEvent::MainMenuAfterProgress, 80);
}

void HideProgressScreen(Game& game) {
    ForEachProgressObject(game, [](GLObject* object) {
        if (object) object->visible = false;
    });
    SetVisible(game.scene, key::kArrowPrevious, false);
}
