// lexaDRILL: learn Spanish vocabulary in a three-dimensional scene.
#include <string>

#include "app/Application.h"
#include "app/ResultsExportCommand.h"
#include "platform/ProcessStart.h"

int main(int argc, char** argv) {
    // Before SDL opens anything: a closed standard stream must not lend its number to SDL's
    // display connection, and a closed pipe on the other end must not end the game.
    platform::MakeStandardDescriptorsValid();
    platform::IgnoreBrokenPipes();
    // The window's close and the information screen's own exit end with status 0; a start that
    // failed has said why on standard error.
    // The results out of the learner's record, without starting the game.
    if (argc >= 2 && std::string(argv[1]) == "--export-results")
        return ExportResultsCommand(argc >= 3 ? argv[2] : "");
    // Every argument is a word list to import.
    Application application;
    const bool started = application.Start(std::vector<std::string>(argv + 1, argv + argc));
    application.Stop();
    return started ? 0 : 1;
}
