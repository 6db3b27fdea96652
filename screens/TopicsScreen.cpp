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
#include "learning/Learner.h"
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

// When the last picture change brought in "bg2 temat" (AppContext::screens.lastPictureOnSecondPlane),
// "bg1 temat", which the entry shows, still holds the picture of the topic selected before it.

GLObjectTextList* TopicsList(Game& game) { return FindTextList(game.scene, key::kTopicsList); }

int SelectedRow(Game& game) {
    const GLObjectTextList* list = TopicsList(game);
    const int row = list ? list->selected : 0;
    return game.app.HasTopicRow(row) ? row : 0;
}

bool RowUnlocked(Game& game, int row) { return IsRowUnlocked(game.app, game.learner, row); }

// Own topics' pictures are made from their titles into a few slots used in turn (the texture table
// never frees one); the two planes show at most two pictures at once.
int OwnPictureSlot(Game& game, const std::u16string& title) {
    constexpr int kPictureSlots = 3;
    const auto name = [](int i) { return "own topic picture " + std::to_string(i); };
    for (int i = 0; i < kPictureSlots; ++i) {
        const int32_t slot = game.scene.textures.Find(name(i));
        if (slot >= 0 && game.scene.textures.drawnFrom[slot] == title) return slot;
    }
    const int i = game.app.screens.nextOwnPicture;
    game.app.screens.nextOwnPicture = (i + 1) % kPictureSlots;
    return game.scene.textures.DrawnImage(name(i), title,
                                          [&] { return DrawTitleCard(title, glyphfont::FontFile()); });
}

// The slot of the row's picture, loaded on first use (-1 when it cannot be read). Input handlers
// run between frames, when no context is current, so the load makes the scene's own current.
int PictureSlot(Game& game, int row) {
    if (OwnTopicOfRow(game.app, game.learner, row) != nullptr)
        return OwnPictureSlot(game, game.app.topics[row].title);
    const std::string& path = game.app.topics[row].picturePath;
    if (game.scene.textures.Find(path) == -1) {
        platform::MakeContextCurrent();
        game.scene.textures.LoadJpeg(path);
        platform::ReleaseContext();
    }
    return game.scene.textures.Find(path);
}

void ShowPictureOn(Game& game, GLObject* plane, int row) {
    if (!plane) return;
    plane->texture = PictureSlot(game, row);
    plane->textured = true;
}

void EnterFromBack(GLObject* object, int fadeLength, int fadeTicks) {
    if (!object) return;
    object->StartMotion(PathEnterFromBack(), 90);
    object->StartFade(FadeInPath(fadeLength, object->baseColour[3]), fadeTicks);
    object->visible = true;
}

// The "blocked" sign follows the selected topic: gone when it is unlocked, brought in when not.
void UpdateBlockedSign(Game& game) {
    GLObject* blocked = FindSceneObject(game.scene, key::kLockedSign);
    if (!blocked) return;
    if (RowUnlocked(game, SelectedRow(game))) {
        blocked->visible = false;
    } else {
        EnterFromBack(blocked, 100, 90);
    }
}

void FlyOutIfVisible(Game& game, const char* objectKey) {
    GLObject* object = FindSceneObject(game.scene, objectKey);
    if (object && object->visible) object->FlyOut();
}

void ApplyPanelLook(GLObject* object) {
    object->depthTest = true;
    object->blend = true;
    object->texturedColour = false;
    object->visible = false;
}

GLObjectText* AddCaption(Game& game, const std::string& objectKey, const std::u16string& text, double x,
                         double y, double z, double r, double g, double b) {
    auto* caption = game.scene.Add(std::make_unique<GLObjectText>(objectKey, text, x, y, z));
    caption->SetVertexColour(r, g, b, 1);
    ApplyPanelLook(caption);
    return caption;
}

GLObjectCube* AddProgressCube(Game& game, const std::string& objectKey, double r, double g, double b,
                              bool outline) {
    auto* cube = game.scene.Add(std::make_unique<GLObjectCube>(objectKey, 0, -1.6, 0.5, 1.0, 0.2, 0.2));
    cube->StartSpin(1000, 0.5, 0, 0);
    cube->wireframe = outline;
    cube->SetColour(r, g, b, 1);
    ApplyPanelLook(cube);
    return cube;
}

// The remove button stands while an own topic is selected.
void ShowRemoveButtonFor(Game& game, int row) {
    GLObject* button = FindSceneObject(game.scene, key::kRemoveListButton);
    if (!button) return;
    if (OwnTopicOfRow(game.app, game.learner, row) == nullptr) {
        button->visible = false;
    } else if (!button->visible) {
        EnterFromLeft(button);
    }
}

// A designed topic asked as designed keeps its designed screen: the direction line stands for an
// own topic, and for a designed topic only once it is turned the other way round.
bool DirectionLineShown(Game& game, int row) {
    return OwnTopicOfRow(game.app, game.learner, row) != nullptr ||
           ChosenDirection(game.app, game.learner, row) == record::Direction::Reverse;
}

void ShowDirectionLineFor(Game& game, int row) {
    GLObject* line = FindSceneObject(game.scene, key::kDirectionLine);
    if (!line) return;
    if (!DirectionLineShown(game, row)) {
        line->visible = false;
    } else if (!line->visible) {
        EnterFromLeft(line);
    }
}

// The selected topic's progress (caption or bar, drawn for every topic) and its direction line
// turn it, by a click or by the key table's Tab; the designed screen gains no button for it. A
// hidden object keeps the hover flag of the last pass that saw it: only a shown one counts.
bool TurnsDirection(Game& game, const InputEvent& input) {
    for (const char* objectKey : {key::kProgressCaption, key::kProgressOutline, key::kDirectionLine}) {
        const GLObject* object = FindSceneObject(game.scene, objectKey);
        if (object && object->visible && Presses(game.scene, input, objectKey)) return true;
    }
    return false;
}

// A row's line. An own topic's title is cut to the widest designed title's width: the list keeps
// its designed place, inside the window on the left and with its arrows clear of the picture.
std::u16string ListLineOf(Game& game, int row) {
    const std::u16string& title = game.app.topics[row].title;
    if (OwnTopicOfRow(game.app, game.learner, row) == nullptr) return title;
    constexpr double kFallbackEm = 10;  // the designed topics' width, should their word list be gone
    double widest = 0;
    for (int designed = 0;
         designed < game.app.topicCount && OwnTopicOfRow(game.app, game.learner, designed) == nullptr;
         ++designed)
        widest = std::max(widest, TextWidthEm(game.app.topics[designed].title));
    return CutToWidth(title, widest > 0 ? widest : kFallbackEm);
}

// The progress caption's room, in ems at its scale, when "remove list" stands at its right: the
// caption is centred under the picture and must end before the button begins.
double CaptionRoomEm(Game& game, const GLObjectText& caption) {
    const auto* button =
        dynamic_cast<const GLObjectText*>(FindSceneObject(game.scene, key::kRemoveListButton));
    if (!button) return 1e9;
    constexpr double kGap = 0.15;
    const double buttonLeft = button->homePosition[0] - 0.25 * button->TextWidth() * button->scale;
    return 2 * (buttonLeft - kGap - caption.homePosition[0]) / (0.5 * caption.scale);
}

// After a scroll: the new topic's picture and figures.
void SelectionMoved(Game& game) {
    ShowRemoveButtonFor(game, SelectedRow(game));
    ShowDirectionLineFor(game, SelectedRow(game));
    game.app.screens.topicPictureChanging = true;
    ShowTopicPicture(game, SelectedRow(game));
    UpdateTopicProgress(game);
}

}  // namespace

void BuildTopicsScreen(Game& game) {
    auto* list = game.scene.Add(std::make_unique<GLObjectTextList>(key::kTopicsList, 4, "data/arrow_up.MS3D",
                                                                   "data/arrow_down.MS3D", -1.0, 0.2, 0.1));
    list->scale = 0.9;
    for (int row = 0; row < game.app.topicCount; ++row)
        list->AddLine(ListLineOf(game, row), key::kListLine, true);
    list->visible = false;
    list->Select(0);

    auto* blocked =
        game.scene.Add(std::make_unique<GLObjectPlane>(key::kLockedSign, 1.0f, 2.2, -0.8, 0, 1.0, 0, 0.2));
    blocked->rotation[0] = 90;
    blocked->texture = game.scene.textures.Find("gfx/blocked.jpg");
    blocked->textured = true;
    blocked->depthTest = true;
    blocked->blend = true;
    blocked->texturedColour = true;
    blocked->SetColour(1, 1, 1, 0.5);
    blocked->visible = false;

    AddCaption(game, key::kTopicsCaption, u"subject", -1.7, 1.3, 0.3, 0.3, 0.3, 0.5);
    AddCaption(game, key::kProgressCaption, u"info 40%", 0, -1.4, 0.3, 1, 0, 0)->scale = 0.5;
    AddProgressCube(game, key::kProgressBar, 1, 0, 0, false);
    // A cube keeps no box for the hover pass: the outline gets its own where it stands, so a click
    // on the bar turns the topic as a click on its caption does.
    GLObjectCube* outline = AddProgressCube(game, key::kProgressOutline, 0, 0, 0.6, true);
    for (int axis = 0; axis < 3; ++axis) {
        outline->bounds[axis] = outline->homePosition[axis] - outline->homeSize[axis] / 2;
        outline->bounds[axis + 3] = outline->homePosition[axis] + outline->homeSize[axis] / 2;
    }
    AddCaption(game, key::kRemoveListButton, u"remove list", 1.9, -1.45, 0.3, 0.5, 0.2, 0.2)->scale = 0.45;
    AddCaption(game, key::kDirectionLine, u"English \u2192 Spanish", 0, -1.85, 0.3, 0.3, 0.3, 0.5)->scale =
        0.45;
}

void RefreshTopicsList(Game& game) {
    GLObjectTextList* list = TopicsList(game);
    if (!list) return;
    list->ClearLines();
    list->firstVisible = 0;
    list->scrollAmount = 0;
    list->scrollingUp = list->scrollingDown = false;
    for (int row = 0; row < game.app.topicCount; ++row)
        list->AddLine(ListLineOf(game, row), key::kListLine, true);
    list->Select(0);
    // The first plane enters with the screen: it shows the newly selected topic.
    ShowPictureOn(game, FindSceneObject(game.scene, key::kTopicPictureFirst), 0);
    game.app.screens.lastPictureOnSecondPlane = false;
}

std::string SelectedOwnList(Game& game) {
    const OwnTopic* own = OwnTopicOfRow(game.app, game.learner, SelectedRow(game));
    return own ? own->listFile : "";
}

void ShowTopicsScreen(Game& game) {
    const int selected = SelectedRow(game);
    if (game.app.screens.lastPictureOnSecondPlane) {
        ShowPictureOn(game, FindSceneObject(game.scene, key::kTopicPictureFirst), selected);
        game.app.screens.lastPictureOnSecondPlane = false;
    }
    for (const char* objectKey : {key::kTopicPictureFirst, key::kTopicsCaption, key::kArrowPrevious})
        EnterFromLeft(game.scene, objectKey);

    if (GLObjectTextList* list = TopicsList(game)) {
        for (int row = 0; row < game.app.topicCount && row < static_cast<int>(list->lines.size()); ++row) {
            if (row == list->selected) continue;
            const bool unlocked = RowUnlocked(game, row);
            list->lines[row]->SetVertexColourRgb(unlocked ? list->normalColour[0] : list->disabledColour[0],
                                                 unlocked ? list->normalColour[1] : list->disabledColour[1],
                                                 unlocked ? list->normalColour[2] : list->disabledColour[2]);
            list->lines[row]->visible = unlocked;  // the list's enabled mark
        }
        list->FlyIn();
        list->visible = true;
    }
    // The picture of a locked topic comes with its lock, as after every picture change.
    if (!RowUnlocked(game, selected)) EnterFromBack(FindSceneObject(game.scene, key::kLockedSign), 100, 90);

    UpdateTopicProgress(game);
    for (const char* objectKey : {key::kProgressBar, key::kProgressOutline, key::kProgressCaption})
        EnterFromLeft(game.scene, objectKey);
    ShowRemoveButtonFor(game, selected);
    if (DirectionLineShown(game, selected)) {
        EnterFromLeft(game.scene, key::kDirectionLine);
    } else {
        SetVisible(game.scene, key::kDirectionLine, false);
    }
}

void UpdateTopicProgress(Game& game) {
    GLObjectTextList* list = TopicsList(game);
    const int row = SelectedRow(game);
    const TopicInfo& topic = game.app.topics[row];
    const std::u16string name =
        list && row < static_cast<int>(list->lines.size()) ? list->lines[row]->GetText() : topic.title;

    LoadTopicProgress(game.app, game.learner, game.run.words, row,
                      ChosenDirection(game.app, game.learner, row));
    const int counts = static_cast<int>(game.run.words.counts.size());
    const int learned = counts == 0 ? 0 : CountLearned(game.run.words);
    const int percent = counts == 0 ? 0 : static_cast<int>(100LL * learned / counts);

    GLObject* filled = FindSceneObject(game.scene, key::kProgressBar);
    GLObject* outline = FindSceneObject(game.scene, key::kProgressOutline);
    if (filled && outline) {
        filled->size[0] = filled->homeSize[0] * (counts == 0 ? 0.0 : static_cast<double>(learned) / counts);
        outline->ResetToHome();
        // The filled bar grows from the left end of the unit-long outline.
        filled->homePosition[0] = filled->position[0] = (outline->position[0] - 0.5) + filled->size[0] * 0.5;
    }
    std::u16string figures = u" (" + NumberText(percent) + u"%)";
    if (!IsRowUnlocked(game.app, game.learner, row)) figures += u" " + game.app.strings.lockedCaption;
    if (GLObjectText* direction = FindText(game.scene, key::kDirectionLine))
        direction->SetText(DirectionCaption(game.app, game.learner, row));
    GLObjectText* caption = FindText(game.scene, key::kProgressCaption);
    if (!caption) return;
    // Beside "remove list" an own topic's name gives way; the figures always show.
    const bool own = OwnTopicOfRow(game.app, game.learner, row) != nullptr;
    caption->SetText(own ? CutToWidth(name, CaptionRoomEm(game, *caption) - TextWidthEm(figures)) + figures
                         : name + figures);
}

bool TopicPictureChanging(const AppContext& app) { return app.screens.topicPictureChanging; }

bool CheatUnlocksSelectedTopic(Game& game) {
    return game.app.cheatMode && !RowUnlocked(game, SelectedRow(game));
}

void TopicsScreenInput(Game& game, const InputEvent& input) {
    GLObjectTextList* list = TopicsList(game);
    if (!list) return;
    // The unlock writes fresh counts, so an unlocked topic's progress must never meet it.
    if (input.IsKey(platform::Key::Return) && CheatUnlocksSelectedTopic(game)) {
        const TopicInfo& topic = game.app.topics[SelectedRow(game)];
        UnlockTopic(topic.firstWord, topic.lastWord);
        platform::ShowMessage("ok");
        UpdateTopicProgress(game);
        return;
    }
    if (!input.IsPlainClick() && !input.HasMeaning()) return;

    // The back arrow takes the lock as every other way off this screen does, so a second click, or
    // a click on the list meanwhile, cannot post a second screen change.
    if (PointsAt(game.scene, input, key::kArrowPrevious) && !game.app.screens.topicPictureChanging &&
        !game.app.transitionLock) {
        game.app.transitionLock = true;
        FlyOutTopicsScreen(game);
        PostScreenEvent(game.scene, ScreenEvent::MainMenuAfterTopics, 50);
        return;
    }
    // Removing an own list asks first, with the exit question's yes and no.
    if (PointsAt(game.scene, input, key::kRemoveListButton) && !game.app.screens.topicPictureChanging &&
        !game.app.transitionLock && OwnTopicOfRow(game.app, game.learner, SelectedRow(game)) != nullptr) {
        game.app.transitionLock = true;
        FlyOutTopicsScreen(game);
        PostScreenEvent(game.scene, ScreenEvent::ExitConfirmAfterTopics, 50);
        return;
    }
    // Turning the selected topic's direction: its progress follows, its direction line shows.
    if (TurnsDirection(game, input) && !game.app.transitionLock) {
        TurnDirection(game.app, game.learner, SelectedRow(game));
        UpdateTopicProgress(game);
        ShowDirectionLineFor(game, SelectedRow(game));
        return;
    }
    const int lineCount = static_cast<int>(list->lines.size());
    if (StepsUp(*list, input) && !game.app.screens.topicPictureChanging && list->selected > 0 &&
        list->SelectPrevious()) {
        SelectionMoved(game);
    }
    if (StepsDown(*list, input) && !game.app.screens.topicPictureChanging && list->selected < lineCount - 1 &&
        list->SelectNext()) {
        SelectionMoved(game);
    }
    // Another line is selected as the arrows would select it, with its picture and lock sign.
    if (const int line = OtherLinePicked(*list, input); line >= 0) {
        if (!game.app.screens.topicPictureChanging && list->SelectLine(line)) SelectionMoved(game);
        return;
    }
    if (ChoosesSelectedLine(*list, input) && !game.app.transitionLock &&
        RowUnlocked(game, SelectedRow(game))) {
        game.app.transitionLock = true;
        FlyOutTopicsScreen(game);
        PostScreenEvent(game.scene, ScreenEvent::InfoAfterTopics, 50);
    }
}

void ShowTopicPicture(Game& game, int row) {
    if (row < 0 || row >= game.app.topicCount) return;
    GLObject* first = FindSceneObject(game.scene, key::kTopicPictureFirst);
    GLObject* second = FindSceneObject(game.scene, key::kTopicPictureSecond);
    if (!first || !second) return;
    const int slot = PictureSlot(game, row);
    const bool firstShowing = first->visible;
    GLObject* leaving = firstShowing ? first : second;
    GLObject* entering = firstShowing ? second : first;
    leaving->FlyOut();
    FlyOutIfVisible(game, key::kLockedSign);
    entering->texture = slot;
    entering->textured = true;
    PostScreenEvent(game.scene,
                    firstShowing ? ScreenEvent::TopicsShowSecondPicture : ScreenEvent::TopicsShowFirstPicture,
                    20);
}

void CompleteTopicPictureChange(Game& game, const std::string& leaving, const std::string& entering) {
    SetVisible(game.scene, leaving, false);
    GLObject* plane = FindSceneObject(game.scene, entering);
    EnterFromBack(plane, 190, 190);
    game.app.screens.lastPictureOnSecondPlane = entering == key::kTopicPictureSecond;
    game.app.screens.topicPictureChanging = false;
    UpdateBlockedSign(game);
}

void FlyOutTopicsScreen(Game& game) {
    for (const char* objectKey :
         {key::kTopicsList, key::kTopicPictureFirst, key::kTopicPictureSecond, key::kProgressBar,
          key::kProgressOutline, key::kProgressCaption, key::kTopicsCaption, key::kArrowPrevious,
          key::kLockedSign, key::kRemoveListButton, key::kDirectionLine}) {
        FlyOutObject(game.scene, objectKey);
    }
}

void HideTopicsScreen(Game& game) {
    for (const char* objectKey :
         {key::kTopicsList, key::kProgressBar, key::kProgressOutline, key::kTopicPictureFirst,
          key::kTopicPictureSecond, key::kTopicsCaption, key::kProgressCaption, key::kArrowPrevious,
          key::kLockedSign, key::kRemoveListButton, key::kDirectionLine}) {
        SetVisible(game.scene, objectKey, false);
    }
}
