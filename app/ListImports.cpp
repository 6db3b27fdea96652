#include "app/ListImports.h"

#include <cstdio>
#include <map>
#include <utility>
#include <vector>

#include "engine/GLScene.h"
#include "game/names/EventNames.h"
#include "game/state/AppContext.h"
#include "learning/Learner.h"
#include "learning/ListFileNames.h"
#include "learning/OwnTopics.h"
#include "platform/Platform.h"
#include "screens/ScreenSteps.h"
#include "screens/TopicsScreen.h"

namespace {

// A box no taller or wider than a small screen shows: this many rows of at most this many
// characters. A file's line is wrapped at spaces into rows (at most kRowsOfAFile, the last one cut);
// the files whose rows do not fit are summed up in one row (every line is on standard output).
constexpr size_t kBoxRows = 16;
constexpr size_t kBoxRowCharacters = 110;
constexpr size_t kRowsOfAFile = 3;
constexpr char kContinuation[] = "  ";  // a wrapped line's further rows are indented

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Where a row of at most `room` bytes starting at `from` ends: after its last space that fits, else
// (a word longer than the row) at a letter's start.
size_t RowEnd(const std::string& line, size_t from, size_t room) {
    if (line.size() - from <= room) return line.size();
    const size_t space = line.rfind(' ', from + room);
    if (space != std::string::npos && space > from) return space;
    size_t end = from + room;
    while (end > from && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) --end;
    return end;
}

// A file's line as the box's rows: wrapped at spaces, the last row cut with "..." when more is left.
std::vector<std::string> BoxRows(const std::string& line) {
    std::vector<std::string> rows;
    size_t at = 0;
    while (at < line.size()) {
        const std::string indent = rows.empty() ? "" : kContinuation;
        const size_t room = kBoxRowCharacters - indent.size();
        if (rows.size() + 1 == kRowsOfAFile && line.size() - at > room) {
            rows.push_back(indent + line.substr(at, RowEnd(line, at, room - 3) - at) + "...");
            break;
        }
        const size_t end = RowEnd(line, at, room);
        rows.push_back(indent + line.substr(at, end - at));
        at = end;
        while (at < line.size() && line[at] == ' ') ++at;
    }
    return rows;
}

bool Imported(const std::string& line) { return line.find(": not imported: ") == std::string::npos; }

// The box's text: the files' rows while they fit, the rest summed up in the last row.
std::string BoxText(const std::vector<std::string>& lines) {
    std::vector<std::string> rows;
    size_t shown = 0;
    for (; shown < lines.size(); ++shown) {
        const std::vector<std::string> fileRows = BoxRows(lines[shown]);
        // Room for the summary row stays unless this is the last file.
        const size_t limit = shown + 1 == lines.size() ? kBoxRows : kBoxRows - 1;
        if (rows.size() + fileRows.size() > limit) break;
        rows.insert(rows.end(), fileRows.begin(), fileRows.end());
    }
    std::string text;
    for (const std::string& row : rows) text += (text.empty() ? "" : "\n") + row;
    if (shown == lines.size()) return text;
    size_t imported = 0;
    for (size_t i = shown; i < lines.size(); ++i) imported += Imported(lines[i]);
    return text + "\n... and " + std::to_string(lines.size() - shown) +
           " more files: " + std::to_string(imported) + " imported, " +
           std::to_string(lines.size() - shown - imported) +
           " not imported (every line is on standard output)";
}

}  // namespace

void QueueListImport(AppContext& app, const std::string& path) { app.listsToImport.push_back(path); }

bool ImportWaitingLists(AppContext& app, Learner& learner) {
    if (app.listsToImport.empty()) return false;
    std::vector<std::string> lines;
    // The file of this round each copy's name was last imported from (its path and line): a later
    // file of the same name replaces its list, and both lines say so.
    std::map<std::string, std::pair<std::string, size_t>> importedAs;
    // The topics each list had without a row before this round: the table holds MAX_TOPICS rows.
    std::map<std::string, size_t> notShownBefore;
    for (const OwnTopic& topic : learner.ownTopics) {
        if (notShownBefore.count(topic.listFile) == 0)
            notShownBefore.emplace(topic.listFile, TopicsNotShown(app, learner, topic.listFile));
    }
    for (const std::string& path : std::vector<std::string>(std::move(app.listsToImport))) {
        const std::string copy = ListCopyName(BaseName(path));
        bool listed = false;
        for (const OwnTopic& topic : learner.ownTopics) listed = listed || topic.listFile == copy;
        std::string line = ImportListFile(app, learner, path);
        if (Imported(line)) {
            const auto earlier = importedAs.find(copy);
            if (earlier != importedAs.end()) {
                lines[earlier->second.second] += "; replaced by " + path + " (the same name)";
                line += "; replaced " + earlier->second.first + " (the same name)";
            } else if (listed) {
                line += "; replaced the list of that name (unchanged cards keep their progress)";
            }
            importedAs[copy] = {path, lines.size()};
        }
        lines.push_back(line);
    }
    // What the table could not hold once the round was in, this round's lists and earlier ones.
    for (const auto& [copy, from] : importedAs) {
        if (const size_t lost = TopicsNotShown(app, learner, copy))
            lines[from.second] += "; " + std::to_string(lost) + " topics not shown: the topics list is full";
    }
    for (const auto& [list, before] : notShownBefore) {
        const size_t lost = TopicsNotShown(app, learner, list);
        if (importedAs.count(list) == 0 && lost > before)
            lines.push_back(list + ": " + std::to_string(lost - before) +
                            " more topics not shown: the topics list is full");
    }
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());
    app.listsToImport.clear();
    std::fflush(stdout);
    app.untoldImportReport += (app.untoldImportReport.empty() ? "" : "\n") + BoxText(lines);
    TellImportReport(app);
    return true;
}

void TellImportReport(AppContext& app) {
    // Before the play window has shown its first frame the box would stand on a bare desktop.
    if (app.untoldImportReport.empty() || app.currentScreen == ScreenId::Loading ||
        app.currentScreen == ScreenId::None)
        return;
    const std::string report = std::move(app.untoldImportReport);
    app.untoldImportReport.clear();
    platform::ShowMessage(report, platform::MessageKind::Information);
}

void ImportWaitingListsWhenIdle(Game& game) {
    if (game.app.listsToImport.empty() || game.app.transitionLock || TopicPictureChanging(game.app)) return;
    if (game.app.currentScreen == ScreenId::MainMenu) {
        ImportWaitingLists(game.app, game.learner);
        RefreshTopicsList(game);
    } else if (game.app.currentScreen == ScreenId::Topics) {
        ImportWaitingLists(game.app, game.learner);
        // The list is built afresh while the screen is away, as after any other screen.
        game.app.transitionLock = true;
        FlyOutTopicsScreen(game);
        PostScreenEvent(game.scene, ScreenEvent::TopicsAfterImport, 50);
    }
}
