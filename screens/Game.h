// What the screens work on, handed to every screen's build, tick and input and to each screen change:
// the application's state, the scene, the learner and the run. Each is held by its one owner for its
// lifetime (app/Application.h); this only lends them for the length of a call.
#pragma once

struct AppContext;
class GLScene;
struct Learner;
struct LearningRun;

struct Game {
    AppContext& app;
    GLScene& scene;
    Learner& learner;
    LearningRun& run;
};
