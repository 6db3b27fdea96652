// The shared objects of every screen, created once during loading in drawing order. Screens find
// them again by key; the scene holds them until it goes.
#include "app/SceneConstruction.h"

#include <memory>

#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "engine/Model.h"
#include "game/names/ObjectKeys.h"
#include "game/state/AppContext.h"
#include "game/texts/UiStrings.h"
#include "screens/MainMenu.h"

namespace {

std::unique_ptr<GLObject> MakeHighlight(const std::string& objectKey, bool visible) {
    auto box = MakeHighlightBox(objectKey);
    box->visible = visible;
    return box;
}

template <class Kind>
Kind* AddHidden(Game& game, std::unique_ptr<Kind> object) {
    object->visible = false;
    return game.scene.Add(std::move(object));
}

std::unique_ptr<GLObjectText> MakeText(const std::string& objectKey, const std::u16string& text, double x,
                                       double y, double z, double r, double g, double b) {
    auto object = std::make_unique<GLObjectText>(objectKey, text, x, y, z);
    object->SetVertexColour(r, g, b, 1.0);
    object->blend = true;
    object->depthTest = true;
    return object;
}

// A model drawn in one flat colour: the arrows and the abort button.
std::unique_ptr<MilkshapeModel> MakeButton(const std::string& objectKey, const std::string& file, double x,
                                           double y, double z, double r, double g, double b,
                                           bool highlightVisible) {
    auto model = std::make_unique<MilkshapeModel>(objectKey, x, y, z);
    model->SetFlatColour(r, g, b, 1.0);
    model->blend = true;
    model->depthTest = true;
    model->texturedColour = false;
    model->Load(file);
    model->highlight = MakeHighlight(key::kButtonHighlight, highlightVisible);
    return model;
}

// A picture on a plane standing upright, facing the viewer.
std::unique_ptr<GLObjectPlane> MakePicture(Game& game, const std::string& objectKey, double width,
                                           const std::string& picture) {
    auto plane = std::make_unique<GLObjectPlane>(objectKey, 1.0f, 3.0, 1.0, -2.0, width, 0.0, 5.0);
    plane->SetColour(1.0, 1.0, 1.0, 1.0);
    plane->rotation[0] = 90.0;
    plane->texture = game.scene.textures.Find(picture);
    plane->textured = true;
    plane->texturedColour = true;
    plane->blend = true;
    plane->depthTest = true;
    return plane;
}

std::unique_ptr<MilkshapeModel> MakeFlag(Game& game, const std::string& objectKey, double y,
                                         const std::string& picture, bool texturedColour) {
    auto flag = std::make_unique<MilkshapeModel>(objectKey, 0.5, y, 0.1);
    flag->SetColour(1.0, 1.0, 1.0, 1.0);
    flag->Load("data/flag.ms3d");
    flag->texture = game.scene.textures.Find(picture);
    flag->textured = true;
    flag->texturedColour = texturedColour;
    flag->blend = true;
    flag->depthTest = true;
    return flag;
}

}  // namespace

void BuildScene(Game& game) {
    auto* board = AddHidden(game, std::make_unique<MilkshapeModel>(key::kScoreBoard, -3.5, 2.0, -2.0));
    board->SetColour(0.31, 0.31, 0.31, 1.0);
    board->blend = true;
    board->depthTest = true;
    board->texturedColour = false;
    board->Load("data/score_board.ms3d");

    AddHidden(game, MakeText(key::kLogoLexa, u"lexa", -2.4, 1.7, 0.3, 0.7, 0.2, 0.2));
    AddHidden(game, MakeText(key::kLogoDrill, u"DRILL", -1.0, 1.7, 0.2, 0.0, 0.2, 0.5))->scale = 1.5;
    AddHidden(game, MakeText(key::kOkButton, u"ok", 2.4, -2.2, -2.1, 0.5, 0.5, 0.5))->highlight =
        MakeHighlight(key::kTextHighlight, true);

    AddHidden(game, MakePicture(game, key::kMainMenuPicture, 5.0, "gfx/glowny_bg.jpg"));
    AddHidden(game, MakePicture(game, key::kTopicPictureFirst, 4.0, game.app.topics[0].picturePath));
    AddHidden(game, MakePicture(game, key::kTopicPictureSecond, 4.0, game.app.topics[0].picturePath));

    auto* menu = AddHidden(game, std::make_unique<GLObjectTextList>(key::kMainMenu, 4, "data/arrow_up.MS3D",
                                                                    "data/arrow_down.MS3D", -0.7, 0.2, 0.1));
    AddMainMenuLines(game, *menu);
    menu->Select(0);  // a click chooses the selected line, so it is shown from the start

    AddHidden(game,
              MakeButton(key::kArrowNext, "data/button_next.ms3d", 3.5, -1.7, 0.0, 0.4, 0.4, 0.9, true));
    AddHidden(game,
              MakeButton(key::kArrowPrevious, "data/button_prev.ms3d", -3.0, -1.7, 0.3, 0.4, 0.4, 0.9, true));

    AddHidden(game, MakeFlag(game, key::kNativeFlag, 1.2, game.app.nativeFlagPath, true));
    AddHidden(game, MakeFlag(game, key::kForeignFlag, -0.5, game.app.foreignFlagPath, false));

    // The word texts float in front of everything else.
    AddHidden(game, MakeText(key::kPromptText, u"polskie", 0.5, 0.5, 0.1, 0.4, 0.4, 0.4))->depthTest = false;
    AddHidden(game, MakeText(key::kAnswerText, u"english", 0.5, -1.0, 0.1, 0.4, 0.4, 0.4))->depthTest = false;

    AddHidden(game, MakeText(key::kScore, u"score: 0", -2.0, -1.7, 0.5, 0.7, 0.1, 0.1))->scale = 0.7;
    AddHidden(game, MakeText(key::kFinalScore, u"score: 0", 0.0, -1.0, 0.0, 0.7, 0.1, 0.1))->scale = 0.7;

    AddHidden(game, MakeButton(key::kAbortButton, "data/przerwij.ms3d", 3.6, 1.8, 0.0, 0.7, 0.4, 0.4, false));
}
