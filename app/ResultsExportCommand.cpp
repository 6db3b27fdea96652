#include "app/ResultsExportCommand.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "game/saves/SaveFolder.h"
#include "game/state/AppContext.h"
#include "platform/GameFolder.h"
#include "platform/ProcessStart.h"
#include "record/ResultsExport.h"
#include "unicode/Utf8Utf16.h"

namespace {

// A designed topic by its title in the topics table, an own list by its file's name.
std::string DeckName(const AppContext& context, const record::Deck& deck) {
    if (deck.IsOwnList()) return deck.listFile;
    for (int row = 0; row < context.topicCount; ++row) {
        const TopicInfo& topic = context.topics[row];
        if (topic.ownTopic < 0 && topic.firstWord == deck.firstWord && topic.lastWord == deck.lastWord)
            return Utf16ToUtf8(topic.title);
    }
    return std::to_string(deck.firstWord) + "-" + std::to_string(deck.lastWord);
}

}  // namespace

int ExportResultsCommand(const std::string& target) {
    if (target.empty()) {
        platform::TellTerminal("lexadrill: --export-results needs a file name, or - for standard output");
        return 1;
    }
    const AppContext context(platform::GameFolder());
    DecideSaveFolder();
    const bool toStandardOutput = target == "-";
    std::FILE* out = toStandardOutput ? stdout : std::fopen(target.c_str(), "w");
    if (out == nullptr) {
        platform::TellTerminal("lexadrill: the results cannot be written to " + target + ": " +
                               std::strerror(errno));
        return 1;
    }
    std::string problem = record::ExportResults(
        SaveWriteFolder(), [&context](const record::Deck& deck) { return DeckName(context, deck); }, out);
    if (!toStandardOutput && std::fclose(out) != 0 && problem.empty()) problem = std::strerror(errno);
    if (!problem.empty()) {
        platform::TellTerminal("lexadrill: the results cannot be written to " + target + ": " + problem);
        return 1;
    }
    return 0;
}
