#include "screens/TopicsScreen.h"

#include <algorithm>
#include <memory>

#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "engine/GlyphFont.h"
#include "engine/MotionPath.h"
#include "engine/TextFit.h"
#include "engine/TitleCard.h"
#include "game/names/EventNames.h"
#include "game/names/ObjectKeys.h"
#include "game/state/AppContext.h"
#include "game/texts/UiStrings.h"
#include "learning/LearningRun.h"
#include "learning/OwnTopics.h"
#include "learning/RepetitionStore.h"
#include "learning/TopicDirection.h"
#include "learning/TopicWords.h"
#include "learning/WordList.h"
#include "platform/Platform.h"
#include "screens/SceneLookup.h"
#include "screens/ScreenSteps.h"

namespace {

// When the last picture change brought in "bg2 temat" (app->screens.lastPictureOnSecondPlane),
// "bg1 temat", which the entry shows, still holds the picture of the topic selected before it.

GLObjectTextList* TopicsList() { return FindTextList(key::kTopicsList); }

int SelectedRow() {
    const GLObjectTextList* list = TopicsList();
    const int row = list ? list->selected : 0;
    return row >= 0 && row < app->topicCount ? row : 0;
}

bool RowUnlocked(int row) { return IsRowUnlocked(row); }

// Own topics' pictures are made from their titles into a few slots used in turn (the texture table
// never frees one); the two planes show at most two pictures at once.
int OwnPictureSlot(const std::u16string& title) {
    constexpr int kPictureSlots = 3;
    const auto name = [](int i) { return "own topic picture " + std::to_string(i); };
    for (int i = 0; i < kPictureSlots; ++i) {
        const int32_t slot = scene->textures.Find(name(i));
        if (slot >= 0 && scene->textures.drawnFrom[slot] == title) return slot;
    }
    const int i = app->screens.nextOwnPicture;
    app->screens.nextOwnPicture = (i + 1) % kPictureSlots;
    return scene->textures.DrawnImage(name(i), title,
                                      [&] { return DrawTitleCard(title, glyphfont::FontFile()); });
}

// The slot of the row's picture, loaded on first use (-1 when it cannot be read). Input handlers
// run between frames, when no context is current, so the load makes the scene's own current.
int PictureSlot(int row) {
    if (OwnTopicOfRow(row) != nullptr) return OwnPictureSlot(app->topics[row].title);
    const std::string& path = app->topics[row].picturePath;
    if (scene->textures.Find(path) == -1) {
        platform::MakeContextCurrent();
        scene->textures.LoadJpeg(path);
        platform::ReleaseContext();
    }
    return scene->textures.Find(path);
}

void ShowPictureOn(GLObject* plane, int row) {
    if (!plane) return;
    plane->texture = PictureSlot(row);
    plane->textured = true;
}

void EnterFromBack(GLObject* object, int fadeLength, int fadeTicks) {
    if (!object) return;
    object->StartMotion(PathEnterFromBack(), 90);
    object->StartFade(FadeInPath(fadeLength, object->baseColour[3]), fadeTicks);
    object->visible = true;
}

// The "blocked" sign follows the selected topic: gone when it is unlocked, brought in when not.
void UpdateBlockedSign() {
    GLObject* blocked = FindSceneObject(key::kLockedSign);
    if (!blocked) return;
    if (RowUnlocked(SelectedRow())) {
        blocked->visible = false;
    } else {
        EnterFromBack(blocked, 100, 90);
    }
}

void FlyOutIfVisible(const char* objectKey) {
    GLObject* object = FindSceneObject(objectKey);
    if (object && object->visible) object->FlyOut();
}

void ApplyPanelLook(GLObject* object) {
    object->depthTest = true;
    object->blend = true;
    object->texturedColour = false;
    object->visible = false;
}

GLObjectText* AddCaption(const std::string& objectKey, const std::u16string& text, double x, double y,
                         double z, double r, double g, double b) {
    auto* caption = scene->Add(std::make_unique<GLObjectText>(objectKey, text, x, y, z));
    caption->SetVertexColour(r, g, b, 1);
    ApplyPanelLook(caption);
    return caption;
}

GLObjectCube* AddProgressCube(const std::string& objectKey, double r, double g, double b, bool outline) {
    auto* cube = scene->Add(std::make_unique<GLObjectCube>(objectKey, 0, -1.6, 0.5, 1.0, 0.2, 0.2));
    cube->StartSpin(1000, 0.5, 0, 0);
    cube->wireframe = outline;
    cube->SetColour(r, g, b, 1);
    ApplyPanelLook(cube);
    return cube;
}

// The remove button stands while an own topic is selected.
void ShowRemoveButtonFor(int row) {
    GLObject* button = FindSceneObject(key::kRemoveListButton);
    if (!button) return;
    if (OwnTopicOfRow(row) == nullptr) {
        button->visible = false;
    } else if (!button->visible) {
        EnterFromLeft(button);
    }
}

// A designed topic asked as designed keeps its designed screen: the direction line stands for an
// own topic, and for a designed topic only once it is turned the other way round.
bool DirectionLineShown(int row) {
    return OwnTopicOfRow(row) != nullptr || ChosenDirection(row) == record::Direction::Reverse;
}

void ShowDirectionLineFor(int row) {
    GLObject* line = FindSceneObject(key::kDirectionLine);
    if (!line) return;
    if (!DirectionLineShown(row)) {
        line->visible = false;
    } else if (!line->visible) {
        EnterFromLeft(line);
    }
}

// The selected topic's progress (caption or bar, drawn for every topic) and its direction line
// turn it, by a click or by the key table's Tab; the designed screen gains no button for it. A
// hidden object keeps the hover flag of the last pass that saw it: only a shown one counts.
bool TurnsDirection(const InputEvent& input) {
    for (const char* objectKey : {key::kProgressCaption, key::kProgressOutline, key::kDirectionLine}) {
        const GLObject* object = FindSceneObject(objectKey);
        if (object && object->visible && Presses(input, objectKey)) return true;
    }
    return false;
}

// A row's line. An own topic's title is cut to the widest designed title's width: the list keeps
// its designed place, inside the window on the left and with its arrows clear of the picture.
std::u16string ListLineOf(int row) {
    const std::u16string& title = app->topics[row].title;
    if (OwnTopicOfRow(row) == nullptr) return title;
    constexpr double kFallbackEm = 10;  // the designed topics' width, should their word list be gone
    double widest = 0;
    for (int designed = 0; designed < app->topicCount && OwnTopicOfRow(designed) == nullptr; ++designed)
        widest = std::max(widest, TextWidthEm(app->topics[designed].title));
    return CutToWidth(title, widest > 0 ? widest : kFallbackEm);
}

// The progress caption's room, in ems at its scale, when "remove list" stands at its right: the
// caption is centred under the picture and must end before the button begins.
double CaptionRoomEm(const GLObjectText& caption) {
    const auto* button = dynamic_cast<const GLObjectText*>(FindSceneObject(key::kRemoveListButton));
    if (!button) return 1e9;
    constexpr double kGap = 0.15;
    const double buttonLeft = button->homePosition[0] - 0.25 * button->TextWidth() * button->scale;
    return 2 * (buttonLeft - kGap - caption.homePosition[0]) / (0.5 * caption.scale);
}

// After a scroll: the new topic's picture and figures.
void SelectionMoved() {
    ShowRemoveButtonFor(SelectedRow());
    ShowDirectionLineFor(SelectedRow());
    app->screens.topicPictureChanging = true;
    ShowTopicPicture(SelectedRow());
    UpdateTopicProgress();
}

}  // namespace

void BuildTopicsScreen() {
    auto* list = scene->Add(std::make_unique<GLObjectTextList>(key::kTopicsList, 4, "data/arrow_up.MS3D",
                                                               "data/arrow_down.MS3D", -1.0, 0.2, 0.1));
    list->scale = 0.9;
    for (int row = 0; row < app->topicCount; ++row) list->AddLine(ListLineOf(row), key::kListLine, true);
    list->visible = false;
    list->Select(0);

    auto* blocked =
        scene->Add(std::make_unique<GLObjectPlane>(key::kLockedSign, 1.0f, 2.2, -0.8, 0, 1.0, 0, 0.2));
    blocked->rotation[0] = 90;
    blocked->texture = scene->textures.Find("gfx/blocked.jpg");
    blocked->textured = true;
    blocked->depthTest = true;
    blocked->blend = true;
    blocked->texturedColour = true;
    blocked->SetColour(1, 1, 1, 0.5);
    blocked->visible = false;

    AddCaption(key::kTopicsCaption, u"subject", -1.7, 1.3, 0.3, 0.3, 0.3, 0.5);
    AddCaption(key::kProgressCaption, u"info 40%", 0, -1.4, 0.3, 1, 0, 0)->scale = 0.5;
    AddProgressCube(key::kProgressBar, 1, 0, 0, false);
    // A cube keeps no box for the hover pass: the outline gets its own where it stands, so a click
    // on the bar turns the topic as a click on its caption does.
    GLObjectCube* outline = AddProgressCube(key::kProgressOutline, 0, 0, 0.6, true);
    for (int axis = 0; axis < 3; ++axis) {
        outline->bounds[axis] = outline->homePosition[axis] - outline->homeSize[axis] / 2;
        outline->bounds[axis + 3] = outline->homePosition[axis] + outline->homeSize[axis] / 2;
    }
    AddCaption(key::kRemoveListButton, u"remove list", 1.9, -1.45, 0.3, 0.5, 0.2, 0.2)->scale = 0.45;
    AddCaption(key::kDirectionLine, u"English \u2192 Spanish", 0, -1.85, 0.3, 0.3, 0.3, 0.5)->scale = 0.45;
}

void RefreshTopicsList() {
    GLObjectTextList* list = TopicsList();
    if (!list) return;
    list->ClearLines();
    list->firstVisible = 0;
    list->scrollAmount = 0;
    list->scrollingUp = list->scrollingDown = false;
    for (int row = 0; row < app->topicCount; ++row) list->AddLine(ListLineOf(row), key::kListLine, true);
    list->Select(0);
    // The first plane enters with the screen: it shows the newly selected topic.
    ShowPictureOn(FindSceneObject(key::kTopicPictureFirst), 0);
    app->screens.lastPictureOnSecondPlane = false;
}

std::string SelectedOwnList() {
    const OwnTopic* own = OwnTopicOfRow(SelectedRow());
    return own ? own->listFile : "";
}

void ShowTopicsScreen() {
    const int selected = SelectedRow();
    if (app->screens.lastPictureOnSecondPlane) {
        ShowPictureOn(FindSceneObject(key::kTopicPictureFirst), selected);
        app->screens.lastPictureOnSecondPlane = false;
    }
    for (const char* objectKey : {key::kTopicPictureFirst, key::kTopicsCaption, key::kArrowPrevious})
        EnterFromLeft(objectKey);

    if (GLObjectTextList* list = TopicsList()) {
        for (int row = 0; row < app->topicCount && row < static_cast<int>(list->lines.size()); ++row) {
            if (row == list->selected) continue;
            const bool unlocked = RowUnlocked(row);
            list->lines[row]->SetVertexColourRgb(unlocked ? list->normalColour[0] : list->disabledColour[0],
                                                 unlocked ? list->normalColour[1] : list->disabledColour[1],
                                                 unlocked ? list->normalColour[2] : list->disabledColour[2]);
            list->lines[row]->visible = unlocked;  // the list's enabled mark
        }
        list->FlyIn();
        list->visible = true;
    }
    // The picture of a locked topic comes with its lock, as after every picture change.
    if (!RowUnlocked(selected)) EnterFromBack(FindSceneObject(key::kLockedSign), 100, 90);

    UpdateTopicProgress();
    for (const char* objectKey : {key::kProgressBar, key::kProgressOutline, key::kProgressCaption})
        EnterFromLeft(objectKey);
    ShowRemoveButtonFor(selected);
    if (DirectionLineShown(selected)) {
        EnterFromLeft(key::kDirectionLine);
    } else {
        SetVisible(key::kDirectionLine, false);
    }
}

void UpdateTopicProgress() {
    GLObjectTextList* list = TopicsList();
    const int row = SelectedRow();
    const TopicInfo& topic = app->topics[row];
    const std::u16string name =
        list && row < static_cast<int>(list->lines.size()) ? list->lines[row]->GetText() : topic.title;

    LoadTopicProgress(currentRun.words, row, ChosenDirection(row));
    const int counts = static_cast<int>(currentRun.words.counts.size());
    const int learned = counts == 0 ? 0 : CountLearned();
    const int percent = counts == 0 ? 0 : static_cast<int>(100LL * learned / counts);

    GLObject* filled = FindSceneObject(key::kProgressBar);
    GLObject* outline = FindSceneObject(key::kProgressOutline);
    if (filled && outline) {
        filled->size[0] = filled->homeSize[0] * (counts == 0 ? 0.0 : static_cast<double>(learned) / counts);
        outline->ResetToHome();
        // The filled bar grows from the left end of the unit-long outline.
        filled->homePosition[0] = filled->position[0] = (outline->position[0] - 0.5) + filled->size[0] * 0.5;
    }
    std::u16string figures = u" (" + NumberText(percent) + u"%)";
    if (!IsRowUnlocked(row)) figures += u" " + app->strings.lockedCaption;
    if (GLObjectText* direction = FindText(key::kDirectionLine)) direction->SetText(DirectionCaption(row));
    GLObjectText* caption = FindText(key::kProgressCaption);
    if (!caption) return;
    // Beside "remove list" an own topic's name gives way; the figures always show.
    const bool own = OwnTopicOfRow(row) != nullptr;
    caption->SetText(own ? CutToWidth(name, CaptionRoomEm(*caption) - TextWidthEm(figures)) + figures
                         : name + figures);
}

bool TopicPictureChanging() { return app && app->screens.topicPictureChanging; }

bool CheatUnlocksSelectedTopic() { return app->cheatMode && !RowUnlocked(SelectedRow()); }

void TopicsScreenInput(const InputEvent& input) {
    GLObjectTextList* list = TopicsList();
    if (!list) return;
    // The unlock writes fresh counts, so an unlocked topic's progress must never meet it.
    if (input.IsKey(platform::Key::Return) && CheatUnlocksSelectedTopic()) {
        const TopicInfo& topic = app->topics[SelectedRow()];
        UnlockTopic(topic.firstWord, topic.lastWord);
        platform::ShowMessage("ok");
        UpdateTopicProgress();
        return;
    }
    if (!input.IsPlainClick() && !input.HasMeaning()) return;

    // The back arrow takes the lock as every other way off this screen does, so a second click, or
    // a click on the list meanwhile, cannot post a second screen change.
    if (PointsAt(input, key::kArrowPrevious) && !app->screens.topicPictureChanging && !app->transitionLock) {
        app->transitionLock = true;
        FlyOutTopicsScreen();
        PostScreenEvent(ScreenEvent::MainMenuAfterTopics, 50);
        return;
    }
    // Removing an own list asks first, with the exit question's yes and no.
    if (PointsAt(input, key::kRemoveListButton) && !app->screens.topicPictureChanging &&
        !app->transitionLock && OwnTopicOfRow(SelectedRow()) != nullptr) {
        app->transitionLock = true;
        FlyOutTopicsScreen();
        PostScreenEvent(ScreenEvent::ExitConfirmAfterTopics, 50);
        return;
    }
    // Turning the selected topic's direction: its progress follows, its direction line shows.
    if (TurnsDirection(input) && !app->transitionLock) {
        TurnDirection(SelectedRow());
        UpdateTopicProgress();
        ShowDirectionLineFor(SelectedRow());
        return;
    }
    const int lineCount = static_cast<int>(list->lines.size());
    if (StepsUp(*list, input) && !app->screens.topicPictureChanging && list->selected > 0 &&
        list->SelectPrevious()) {
        SelectionMoved();
    }
    if (StepsDown(*list, input) && !app->screens.topicPictureChanging && list->selected < lineCount - 1 &&
        list->SelectNext()) {
        SelectionMoved();
    }
    // Another line is selected as the arrows would select it, with its picture and lock sign.
    if (const int line = OtherLinePicked(*list, input); line >= 0) {
        if (!app->screens.topicPictureChanging && list->SelectLine(line)) SelectionMoved();
        return;
    }
    if (ChoosesSelectedLine(*list, input) && !app->transitionLock && RowUnlocked(SelectedRow())) {
        app->transitionLock = true;
        FlyOutTopicsScreen();
        PostScreenEvent(ScreenEvent::InfoAfterTopics, 50);
    }
}

void ShowTopicPicture(int row) {
    if (row < 0 || row >= app->topicCount) return;
    GLObject* first = FindSceneObject(key::kTopicPictureFirst);
    GLObject* second = FindSceneObject(key::kTopicPictureSecond);
    if (!first || !second) return;
    const int slot = PictureSlot(row);
    const bool firstShowing = first->visible;
    GLObject* leaving = firstShowing ? first : second;
    GLObject* entering = firstShowing ? second : first;
    leaving->FlyOut();
    FlyOutIfVisible(key::kLockedSign);
    entering->texture = slot;
    entering->textured = true;
    PostScreenEvent(firstShowing ? ScreenEvent::TopicsShowSecondPicture : ScreenEvent::TopicsShowFirstPicture,
                    20);
}

void CompleteTopicPictureChange(const std::string& leaving, const std::string& entering) {
    SetVisible(leaving, false);
    GLObject* plane = FindSceneObject(entering);
    EnterFromBack(plane, 190, 190);
    app->screens.lastPictureOnSecondPlane = entering == key::kTopicPictureSecond;
    app->screens.topicPictureChanging = false;
    UpdateBlockedSign();
}

void FlyOutTopicsScreen() {
    for (const char* objectKey :
         {key::kTopicsList, key::kTopicPictureFirst, key::kTopicPictureSecond, key::kProgressBar,
          key::kProgressOutline, key::kProgressCaption, key::kTopicsCaption, key::kArrowPrevious,
          key::kLockedSign, key::kRemoveListButton, key::kDirectionLine}) {
        FlyOutObject(objectKey);
    }
}

void HideTopicsScreen() {
    for (const char* objectKey :
         {key::kTopicsList, key::kProgressBar, key::kProgressOutline, key::kTopicPictureFirst,
          key::kTopicPictureSecond, key::kTopicsCaption, key::kProgressCaption, key::kArrowPrevious,
          key::kLockedSign, key::kRemoveListButton, key::kDirectionLine}) {
        SetVisible(objectKey, false);
    }
}
