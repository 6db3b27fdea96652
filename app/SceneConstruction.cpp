// The shared objects of every screen, created once during loading in drawing order. Screens find
// them again by key; nothing here is ever deleted while the game runs.
#include "app/SceneConstruction.h"

#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "engine/Model.h"
#include "engine/TextureTable.h"
#include "game/AppContext.h"
#include "game/UiStrings.h"

namespace {

GLObject* MakeHighlight(const std::string& key, bool visible) {
    GLObject* box = MakeHighlightBox(key);
    box->visible = visible;
    return box;
}

void AddHidden(GLObject* object) {
    object->visible = false;
    scene->AddObject(object);
}

GLObjectText* MakeText(const std::string& key, const std::u16string& text, double x, double y, double z,
                       double r, double g, double b) {
    auto* object = new GLObjectText(key, text, x, y, z);
    object->SetVertexColour(r, g, b, 1.0);
    object->blend = true;
    object->depthTest = true;
    return object;
}

// A model drawn in one flat colour: the arrows and the abort button.
MilkshapeModel* MakeButton(const std::string& key, const std::string& file, double x, double y, double z,
                           double r, double g, double b, bool highlightVisible) {
    auto* model = new MilkshapeModel(key, x, y, z);
    model->SetFlatColour(r, g, b, 1.0);
    model->blend = true;
    model->depthTest = true;
    model->texturedColour = false;
    model->Load(file);
    model->highlight = MakeHighlight("cb1", highlightVisible);
    return model;
}

// A picture on a plane standing upright, facing the viewer.
GLObjectPlane* MakePicture(const std::string& key, double width, const std::string& picture) {
    auto* plane = new GLObjectPlane(key, 1.0f, 3.0, 1.0, -2.0, width, 0.0, 5.0);
    plane->SetColour(1.0, 1.0, 1.0, 1.0);
    plane->rotation[0] = 90.0;
    plane->texture = FindTexture(picture);
    plane->textured = true;
    plane->texturedColour = true;
    plane->blend = true;
    plane->depthTest = true;
    return plane;
}

MilkshapeModel* MakeFlag(const std::string& key, double y, const std::string& picture, bool texturedColour) {
    auto* flag = new MilkshapeModel(key, 0.5, y, 0.1);
    flag->SetColour(1.0, 1.0, 1.0, 1.0);
    flag->Load("data/flag.ms3d");
    flag->texture = FindTexture(picture);
    flag->textured = true;
    flag->texturedColour = texturedColour;
    flag->blend = true;
    flag->depthTest = true;
    return flag;
}

}  // namespace

void BuildScene() {
    auto* board = new MilkshapeModel("score_board", -3.5, 2.0, -2.0);
    board->SetColour(0.31, 0.31, 0.31, 1.0);
    board->blend = true;
    board->depthTest = true;
    board->texturedColour = false;
    board->Load("data/score_board.ms3d");
    AddHidden(board);

    AddHidden(MakeText("lexa", u"lexa", -2.4, 1.7, 0.3, 0.7, 0.2, 0.2));
    GLObjectText* drill = MakeText("drill", u"DRILL", -1.0, 1.7, 0.2, 0.0, 0.2, 0.5);
    drill->scale = 1.5;
    AddHidden(drill);

    GLObjectText* ok = MakeText("ok_button", u"ok", 2.4, -2.2, -2.1, 0.5, 0.5, 0.5);
    ok->highlight = MakeHighlight("cb", true);
    AddHidden(ok);

    AddHidden(MakePicture("bg glowny", 5.0, "gfx/glowny_bg.jpg"));
    AddHidden(MakePicture("bg1 temat", 4.0, app->topics[0].picturePath));
    AddHidden(MakePicture("bg2 temat", 4.0, app->topics[0].picturePath));

    auto* menu =
        new GLObjectTextList("main menu", 4, "data/arrow_up.MS3D", "data/arrow_down.MS3D", -0.7, 0.2, 0.1);
    menu->AddLine(uiStrings.menuLearn, "i1", true);
    menu->AddLine(uiStrings.menuTest, "i2", true);
    menu->AddLine(uiStrings.menuResults, "i3", true);
    menu->AddLine(uiStrings.menuAbout, "i4", true);
    menu->AddLine(uiStrings.menuExit, "i5", true);
    menu->Select(0);  // a click chooses the selected line, so it is shown from the start
    AddHidden(menu);

    AddHidden(MakeButton("arrownext", "data/button_next.ms3d", 3.5, -1.7, 0.0, 0.4, 0.4, 0.9, true));
    AddHidden(MakeButton("arrowprev", "data/button_prev.ms3d", -3.0, -1.7, 0.3, 0.4, 0.4, 0.9, true));

    AddHidden(MakeFlag("flag 1", 1.2, app->nativeFlagPath, true));
    AddHidden(MakeFlag("flag 2", -0.5, app->foreignFlagPath, false));

    // The word texts float in front of everything else.
    GLObjectText* prompt = MakeText("txt 1", u"polskie", 0.5, 0.5, 0.1, 0.4, 0.4, 0.4);
    prompt->depthTest = false;
    AddHidden(prompt);
    GLObjectText* answer = MakeText("txt 2", u"english", 0.5, -1.0, 0.1, 0.4, 0.4, 0.4);
    answer->depthTest = false;
    AddHidden(answer);

    GLObjectText* score = MakeText("wynik", u"score: 0", -2.0, -1.7, 0.5, 0.7, 0.1, 0.1);
    score->scale = 0.7;
    AddHidden(score);
    GLObjectText* finalScore = MakeText("wynik koncowy", u"score: 0", 0.0, -1.0, 0.0, 0.7, 0.1, 0.1);
    finalScore->scale = 0.7;
    AddHidden(finalScore);

    AddHidden(MakeButton("przerwij", "data/przerwij.ms3d", 3.6, 1.8, 0.0, 0.7, 0.4, 0.4, false));
}
