#include "screens/TopicsScreen.h"

#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "engine/MotionPath.h"
#include "engine/TextureTable.h"
#include "game/AppContext.h"
#include "learning/RepetitionStore.h"
#include "learning/WordList.h"
#include "platform/Platform.h"
#include "screens/ScreenSteps.h"

bool topicPictureChanging = false;

namespace {

// The last picture change brought in "bg2 temat"; "bg1 temat", which the entry shows, then still
// holds the picture of the topic selected before that change.
bool lastChangeEndedOnSecondPlane = false;

GLObjectTextList* TopicsList() { return FindTextList("main menu 2"); }

int SelectedRow() {
    const GLObjectTextList* list = TopicsList();
    const int row = list ? list->selected : 0;
    return row >= 0 && row < app->topicCount ? row : 0;
}

bool RowUnlocked(int row) { return IsTopicUnlocked(app->topics[row].firstWord, app->topics[row].lastWord); }

// The slot of the row's picture, loaded on first use (-1 when it cannot be read). Input handlers
// run between frames, when no context is current, so the load makes the scene's own current.
int PictureSlot(int row) {
    const std::string& path = app->topics[row].picturePath;
    if (FindTexture(path) == -1) {
        platform::MakeContextCurrent();
        LoadTextureJpeg(path);
        platform::ReleaseContext();
    }
    return FindTexture(path);
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
    GLObject* blocked = scene->FindObject("blocked");
    if (!blocked) return;
    if (RowUnlocked(SelectedRow())) {
        blocked->visible = false;
    } else {
        EnterFromBack(blocked, 100, 90);
    }
}

void FlyOutIfVisible(const char* key) {
    GLObject* object = scene->FindObject(key);
    if (object && object->visible) object->FlyOut();
}

void ApplyPanelLook(GLObject* object) {
    object->depthTest = true;
    object->blend = true;
    object->texturedColour = false;
    object->visible = false;
}

GLObjectText* AddCaption(const std::string& key, const std::u16string& text, double x, double y, double z,
                         double r, double g, double b) {
    auto* caption = new GLObjectText(key, text, x, y, z);
    caption->SetVertexColour(r, g, b, 1);
    ApplyPanelLook(caption);
    scene->AddObject(caption);
    return caption;
}

GLObjectCube* AddProgressCube(const std::string& key, double r, double g, double b, bool outline) {
    auto* cube = new GLObjectCube(key, 0, -1.6, 0.5, 1.0, 0.2, 0.2);
    cube->StartSpin(1000, 0.5, 0, 0);
    cube->wireframe = outline;
    cube->SetColour(r, g, b, 1);
    ApplyPanelLook(cube);
    scene->AddObject(cube);
    return cube;
}

// After a scroll: the new topic's picture and figures.
void SelectionMoved() {
    topicPictureChanging = true;
    ShowTopicPicture(SelectedRow());
    UpdateTopicProgress();
}

}  // namespace

void BuildTopicsScreen() {
    auto* list =
        new GLObjectTextList("main menu 2", 4, "data/arrow_up.MS3D", "data/arrow_down.MS3D", -1.0, 0.2, 0.1);
    list->scale = 0.9;
    for (int row = 0; row < app->topicCount; ++row) list->AddLine(app->topics[row].title, "i", true);
    list->visible = false;
    list->Select(0);
    scene->AddObject(list);

    auto* blocked = new GLObjectPlane("blocked", 1.0f, 2.2, -0.8, 0, 1.0, 0, 0.2);
    blocked->rotation[0] = 90;
    blocked->texture = FindTexture("gfx/blocked.jpg");
    blocked->textured = true;
    blocked->depthTest = true;
    blocked->blend = true;
    blocked->texturedColour = true;
    blocked->SetColour(1, 1, 1, 0.5);
    blocked->visible = false;
    scene->AddObject(blocked);

    AddCaption("subject", u"subject", -1.7, 1.3, 0.3, 0.3, 0.3, 0.5);
    AddCaption("infopunkty", u"info 40%", 0, -1.4, 0.3, 1, 0, 0)->scale = 0.5;
    AddProgressCube("stat1", 1, 0, 0, false);
    AddProgressCube("stat2", 0, 0, 0.6, true);
}

void ShowTopicsScreen() {
    const int selected = SelectedRow();
    if (lastChangeEndedOnSecondPlane) {
        ShowPictureOn(scene->FindObject("bg1 temat"), selected);
        lastChangeEndedOnSecondPlane = false;
    }
    for (const char* key : {"bg1 temat", "subject", "arrowprev"}) EnterFromLeft(key);

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
    if (!RowUnlocked(selected)) EnterFromBack(scene->FindObject("blocked"), 100, 90);

    UpdateTopicProgress();
    for (const char* key : {"stat1", "stat2", "infopunkty"}) EnterFromLeft(key);
}

void UpdateTopicProgress() {
    GLObjectTextList* list = TopicsList();
    const int row = SelectedRow();
    const TopicInfo& topic = app->topics[row];
    const std::u16string name =
        list && row < static_cast<int>(list->lines.size()) ? list->lines[row]->GetText() : topic.title;

    // Without entries the counts are the file's as they stand (or one per word when there is none).
    ReleaseEntries();
    LoadRepetitions(topic.firstWord, topic.lastWord);
    const int counts = static_cast<int>(wordList.counts.size());
    const int learned = counts == 0 ? 0 : CountLearned();
    const int percent = counts == 0 ? 0 : static_cast<int>(100LL * learned / counts);

    GLObject* filled = scene->FindObject("stat1");
    GLObject* outline = scene->FindObject("stat2");
    if (filled && outline) {
        filled->size[0] = filled->homeSize[0] * (counts == 0 ? 0.0 : static_cast<double>(learned) / counts);
        outline->ResetToHome();
        // The filled bar grows from the left end of the unit-long outline.
        filled->homePosition[0] = filled->position[0] = (outline->position[0] - 0.5) + filled->size[0] * 0.5;
    }
    std::u16string caption = name + u" (" + NumberText(percent) + u"%)";
    if (!IsTopicUnlocked(topic.firstWord, topic.lastWord)) caption += u" niedostępny";
    SetTextOf("infopunkty", caption);
}

void TopicsScreenInput(int code) {
    GLObjectTextList* list = TopicsList();
    if (!list) return;
    if (code == 13 && app->cheatMode) {
        const TopicInfo& topic = app->topics[SelectedRow()];
        UnlockTopic(topic.firstWord, topic.lastWord);
        platform::ShowMessage("ok");
        UpdateTopicProgress();
        return;
    }
    if (code != 1) return;

    GLObject* up = FindObjectIn(list->children, "arrowup");
    GLObject* down = FindObjectIn(list->children, "arrowdown");
    GLObject* back = scene->FindObject("arrowprev");
    // The back arrow takes the lock as every other way off this screen does, so a second click, or
    // a click on the list meanwhile, cannot post a second screen change.
    if (back && back->hovered && !topicPictureChanging && !app->transitionLock) {
        app->transitionLock = true;
        FlyOutTopicsScreen();
        scene->PostEvent("ekran_glowny po tematach wjazd", 50);
        return;
    }
    const int lineCount = static_cast<int>(list->lines.size());
    if (up && up->hovered && !topicPictureChanging && list->selected > 0 && list->SelectPrevious()) {
        SelectionMoved();
    }
    if (down && down->hovered && !topicPictureChanging && list->selected < lineCount - 1 &&
        list->SelectNext()) {
        SelectionMoved();
    }
    if (list->hovered && !app->transitionLock && RowUnlocked(SelectedRow())) {
        app->transitionLock = true;
        FlyOutTopicsScreen();
        scene->PostEvent("ekran_info po tematach wjazd", 50);
    }
}

void ShowTopicPicture(int row) {
    if (row < 0 || row >= app->topicCount) return;
    GLObject* first = scene->FindObject("bg1 temat");
    GLObject* second = scene->FindObject("bg2 temat");
    if (!first || !second) return;
    const int slot = PictureSlot(row);
    const bool firstShowing = first->visible;
    GLObject* leaving = firstShowing ? first : second;
    GLObject* entering = firstShowing ? second : first;
    leaving->FlyOut();
    FlyOutIfVisible("blocked");
    entering->texture = slot;
    entering->textured = true;
    scene->PostEvent(firstShowing ? "ekran_tematy pokazuj bg2" : "ekran_tematy pokazuj bg1", 20);
}

void CompleteTopicPictureChange(const std::string& leaving, const std::string& entering) {
    SetVisible(leaving, false);
    GLObject* plane = scene->FindObject(entering);
    EnterFromBack(plane, 190, 190);
    lastChangeEndedOnSecondPlane = entering == "bg2 temat";
    topicPictureChanging = false;
    UpdateBlockedSign();
}

void FlyOutTopicsScreen() {
    for (const char* key : {"main menu 2", "bg1 temat", "bg2 temat", "stat1", "stat2", "infopunkty",
                            "subject", "arrowprev", "blocked"}) {
        if (GLObject* object = scene->FindObject(key)) object->FlyOut();
    }
}

void HideTopicsScreen() {
    for (const char* key : {"main menu 2", "stat1", "stat2", "bg1 temat", "bg2 temat", "subject",
                            "infopunkty", "arrowprev", "blocked"}) {
        SetVisible(key, false);
    }
}
