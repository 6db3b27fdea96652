#include "screens/ProgressScreen.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "engine/GLObjectText.h"
#include "engine/GLScene.h"
#include "engine/TextFit.h"
#include "game/AppContext.h"
#include "game/EventNames.h"
#include "game/ObjectKeys.h"
#include "learning/ReviewSchedule.h"
#include "screens/SceneLookup.h"
#include "screens/ScreenSteps.h"

namespace {

// Topic rows drawn at most; the rows beyond are left out of the picture.
constexpr int kRowsShown = 24;
// The topic bars: names end left of the bar, which runs from kBarLeft for kBarLength; kNameRoom
// is what lies left of kNameRight inside the window.
constexpr double kNameRoom = 2.5;
constexpr double kNameRight = -1.35, kBarLeft = -1.25, kBarLength = 1.7, kBarThickness = 0.14;
constexpr double kFirstRowY = 1.45, kRowSpacing = 0.25, kRowsHeight = 3.05, kNameScale = 0.26;
// The days strip and the bars of the days ahead, right of the topics.
constexpr double kRightMiddle = 2.15;
constexpr double kFirstDayX = 0.98, kDayStep = 0.18, kDaysY = 1.3, kDaySize = 0.13;
constexpr double kFirstAheadX = 1.05, kAheadStep = 0.37, kAheadBaseY = -1.25, kAheadMaxHeight = 1.1;
constexpr double kLabelScale = 0.3, kSmallScale = 0.22;

// One colour per box group, in the order of TopicProgress: new, 1-2, 3-4, 5-7.
constexpr double kGroupColours[4][3] = {
    {0.55, 0.55, 0.55}, {0.85, 0.2, 0.15}, {0.95, 0.62, 0.1}, {0.15, 0.7, 0.25}};
constexpr double kPractisedColour[3] = {0.15, 0.7, 0.25};
constexpr double kRestColour[3] = {0.45, 0.45, 0.45};
constexpr double kAheadColour[3] = {0.25, 0.4, 0.9};

struct TopicRow {
    GLObjectText* name = nullptr;
    std::array<GLObject*, 4> groups{};
};

// The screen's objects in the order BuildProgressScreen made them; the scene owns them and keeps
// that order, so they are found there by their keys whenever the screen needs them.
struct ProgressObjects {
    std::vector<GLObject*> fixed;  // the title, the legend and the captions
    std::vector<TopicRow> rows;
    std::vector<GLObject*> days;       // kPractisedDaysShown
    std::vector<GLObject*> aheadBars;  // kDaysAheadShown each
    std::vector<GLObjectText*> aheadCounts;
    std::vector<GLObjectText*> aheadDays;
    GLObjectText* streak = nullptr;
    GLObjectText* hint = nullptr;
};

std::vector<GLObjectText*> Texts(const char* objectKey) {
    std::vector<GLObjectText*> texts;
    for (GLObject* object : FindSceneObjects(objectKey)) {
        if (auto* text = dynamic_cast<GLObjectText*>(object)) texts.push_back(text);
    }
    return texts;
}

ProgressObjects Gathered() {
    ProgressObjects objects;
    for (const char* objectKey :
         {key::kProgressTitle, key::kProgressLegend, key::kProgressDaysTitle, key::kProgressDueTitle}) {
        for (GLObject* object : FindSceneObjects(objectKey)) objects.fixed.push_back(object);
    }
    const std::vector<GLObject*> bars = FindSceneObjects(key::kProgressBoxBar);
    for (GLObjectText* name : Texts(key::kProgressTopicName)) {
        TopicRow row;
        row.name = name;
        const size_t first = objects.rows.size() * row.groups.size();
        if (first + row.groups.size() > bars.size()) break;
        for (size_t group = 0; group < row.groups.size(); ++group) row.groups[group] = bars[first + group];
        objects.rows.push_back(row);
    }
    objects.days = FindSceneObjects(key::kProgressDay);
    objects.aheadBars = FindSceneObjects(key::kProgressDueBar);
    objects.aheadCounts = Texts(key::kProgressDueCount);
    objects.aheadDays = Texts(key::kProgressDueDay);
    objects.streak = FindText(key::kProgressStreak);
    objects.hint = FindText(key::kProgressHint);
    return objects;
}

GLObject* AddBlock(const char* objectKey, double x, double y, double width, double height,
                   const double* rgb) {
    auto* cube = scene->Add(std::make_unique<GLObjectCube>(objectKey, x, y, 0.3, width, height, height));
    cube->SetColour(rgb[0], rgb[1], rgb[2], 1);
    cube->depthTest = true;
    cube->blend = true;
    cube->texturedColour = false;
    cube->visible = false;
    return cube;
}

GLObjectText* AddText(const char* objectKey, const std::u16string& text, double x, double y, double scale,
                      const double* rgb) {
    GLObjectText* label = AddHiddenLabel(objectKey, text, x, y, 0.3, rgb[0], rgb[1], rgb[2]);
    label->scale = label->homeScale = scale;
    return label;
}

// A text placed with its right (left) end at x: texts are centred on their position.
void AlignRight(GLObjectText& text, double x) {
    text.homePosition[0] = text.position[0] = x - 0.25 * text.TextWidth() * text.scale;
    text.UpdateBounds();
}

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

void FillTopicRows(const ProgressObjects& objects, const ProgressFigures& figures) {
    for (size_t i = 0; i < objects.rows.size(); ++i) {
        const TopicRow& row = objects.rows[i];
        const TopicProgress* topic = i < figures.topics.size() ? &figures.topics[i] : nullptr;
        row.name->visible = topic != nullptr;
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
    }
}

void FillDays(const ProgressObjects& objects, const ProgressFigures& figures) {
    for (size_t day = 0; day < objects.days.size() && day < figures.practised.size(); ++day) {
        GLObject* cube = objects.days[day];
        const bool practised = figures.practised[day];
        const double* rgb = practised ? kPractisedColour : kRestColour;
        cube->SetColour(rgb[0], rgb[1], rgb[2], 1);
        cube->wireframe = !practised;
        cube->visible = true;
    }
    if (objects.streak) objects.streak->SetText(u"streak: " + DaysText(figures.streakDays));
}

void FillDaysAhead(const ProgressObjects& objects, const ProgressFigures& figures) {
    const int most = std::max(1, *std::max_element(figures.dueOnDay.begin(), figures.dueOnDay.end()));
    const size_t shown =
        std::min({objects.aheadBars.size(), objects.aheadCounts.size(), figures.dueOnDay.size()});
    for (size_t day = 0; day < shown; ++day) {
        const int due = figures.dueOnDay[day];
        const double height = kAheadMaxHeight * due / most;
        Stretch(*objects.aheadBars[day], 1, kAheadBaseY, height);
        GLObjectText* count = objects.aheadCounts[day];
        count->SetText(NumberText(due));
        count->homePosition[1] = count->position[1] = kAheadBaseY + height + 0.14;
        count->UpdateBounds();
    }
}

void FlyOutProgressScreen() {
    const ProgressObjects objects = Gathered();
    auto flyOut = [](GLObject* object) {
        if (object && object->visible) object->FlyOut();
    };
    for (GLObject* object : objects.fixed) flyOut(object);
    for (const TopicRow& row : objects.rows) {
        flyOut(row.name);
        for (GLObject* group : row.groups) flyOut(group);
    }
    for (GLObject* day : objects.days) flyOut(day);
    for (GLObject* bar : objects.aheadBars) flyOut(bar);
    for (GLObject* count : objects.aheadCounts) flyOut(count);
    for (GLObject* day : objects.aheadDays) flyOut(day);
    flyOut(objects.streak);
    flyOut(objects.hint);
}

}  // namespace

void BuildProgressScreen() {
    constexpr double kTitle[3] = {0.3, 0.3, 0.5}, kCaption[3] = {0.35, 0.35, 0.35};
    AddText(key::kProgressTitle, u"progress", -1.6, 2.05, 0.5, kTitle);
    // The legend: a block of each group's colour with its name beside it.
    const char16_t* const groupNames[4] = {u"new", u"boxes 1-2", u"3-4", u"5-7"};
    const double legendX[4] = {-3.4, -2.55, -1.35, -0.6};
    for (int group = 0; group < 4; ++group) {
        AddBlock(key::kProgressLegend, legendX[group], 1.8, kDaySize, kDaySize, kGroupColours[group]);
        GLObjectText* name =
            AddText(key::kProgressLegend, groupNames[group], legendX[group], 1.78, kSmallScale, kCaption);
        AlignLeft(*name, legendX[group] + 0.12);
    }

    const int rows = std::min(app->topicCount, kRowsShown);
    const double spacing = rows > 0 ? std::min(kRowSpacing, kRowsHeight / rows) : kRowSpacing;
    for (int i = 0; i < rows; ++i) {
        const double y = kFirstRowY - i * spacing;
        // A long own title is cut before it reaches the window's left edge.
        const double scale = kNameScale * spacing / kRowSpacing;
        GLObjectText* name =
            AddText(key::kProgressTopicName, CutToWidth(app->topics[i].title, kNameRoom / (0.5 * scale)),
                    kNameRight, y, scale, kCaption);
        AlignRight(*name, kNameRight);
        const double thickness = kBarThickness * spacing / kRowSpacing;
        for (int group = 0; group < 4; ++group)
            AddBlock(key::kProgressBoxBar, kBarLeft, y + 0.06, 0, thickness, kGroupColours[group]);
    }

    AddText(key::kProgressDaysTitle, u"last 14 days", kRightMiddle, 1.62, kLabelScale, kTitle);
    for (int day = 0; day < kPractisedDaysShown; ++day)
        AddBlock(key::kProgressDay, kFirstDayX + day * kDayStep, kDaysY, kDaySize, kDaySize, kRestColour);
    AddText(key::kProgressStreak, u"", kRightMiddle, 0.95, kLabelScale, kCaption);

    AddText(key::kProgressDueTitle, u"due in the next 7 days", kRightMiddle, 0.55, kLabelScale, kTitle);
    for (int day = 0; day < kDaysAheadShown; ++day) {
        const double x = kFirstAheadX + day * kAheadStep;
        AddBlock(key::kProgressDueBar, x, kAheadBaseY, 0.2, 0, kAheadColour);
        AddText(key::kProgressDueCount, u"0", x, kAheadBaseY, kSmallScale, kCaption);
        AddText(key::kProgressDueDay, day == 0 ? u"today" : u"+" + NumberText(day), x, kAheadBaseY - 0.2,
                kSmallScale * 0.9, kCaption);
    }
    // In the empty chart, which it stands for: nothing is due before the first answer.
    AddText(key::kProgressHint, u"answer a test or a review to start your schedule", kRightMiddle,
            kAheadBaseY + 0.8 * kAheadMaxHeight, kSmallScale, kTitle);
}

void ShowProgressScreen() {
    const ProgressFigures figures = CurrentProgress();
    const ProgressObjects objects = Gathered();
    FillTopicRows(objects, figures);
    FillDays(objects, figures);
    FillDaysAhead(objects, figures);
    for (GLObject* object : objects.fixed) object->visible = true;
    for (GLObjectText* day : objects.aheadDays) day->visible = true;
    for (GLObjectText* count : objects.aheadCounts) count->visible = true;
    if (objects.streak) objects.streak->visible = true;
    if (objects.hint) objects.hint->visible = !figures.anyAnswered;

    for (GLObject* object : objects.fixed) Enter(object);
    for (const TopicRow& row : objects.rows) {
        Enter(row.name);
        for (GLObject* group : row.groups) Enter(group);
    }
    for (GLObject* day : objects.days) Enter(day);
    for (GLObject* bar : objects.aheadBars) Enter(bar);
    for (GLObject* count : objects.aheadCounts) Enter(count);
    for (GLObject* day : objects.aheadDays) Enter(day);
    Enter(objects.streak);
    Enter(objects.hint);
    EnterFromLeft(key::kArrowPrevious);
}

void ProgressScreenInput(const InputEvent& input) {
    if (!Presses(input, key::kArrowPrevious) || app->transitionLock) return;
    app->transitionLock = true;
    FlyOutProgressScreen();
    FlyOutObject(key::kArrowPrevious);
    scene->PostEvent(event::kMainMenuAfterProgress, 80);
}

void HideProgressScreen() {
    const ProgressObjects objects = Gathered();
    auto hide = [](GLObject* object) {
        if (object) object->visible = false;
    };
    for (GLObject* object : objects.fixed) hide(object);
    for (const TopicRow& row : objects.rows) {
        hide(row.name);
        for (GLObject* group : row.groups) hide(group);
    }
    for (GLObject* day : objects.days) hide(day);
    for (GLObject* bar : objects.aheadBars) hide(bar);
    for (GLObject* count : objects.aheadCounts) hide(count);
    for (GLObject* day : objects.aheadDays) hide(day);
    hide(objects.streak);
    hide(objects.hint);
    SetVisible(key::kArrowPrevious, false);
}
