// Speech through the service's real client library against a fake service: turning it off and on,
// a service that goes away mid-run (the next word connects anew; the game is never stopped by
// the broken socket), and the signals the speech thread blocks (a service the library starts from
// it inherits them).
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Speech.h"
#include "tests/hooks/FakeSpeechService.h"

namespace {

std::vector<std::string> Texts(const FakeSpeechService& service) {
    std::vector<std::string> texts;
    for (const FakeSpeechService::Message& message : service.Messages()) texts.push_back(message.text);
    return texts;
}

// The signals blocked in the thread of this process named `name`; nullopt when there is none.
std::optional<unsigned long long> BlockedSignalsOfThread(const std::string& name) {
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream comm(task.path() / "comm");
        std::string threadName;
        if (!std::getline(comm, threadName) || threadName != name) continue;
        std::ifstream status(task.path() / "status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("SigBlk:", 0) == 0) return std::stoull(line.substr(7), nullptr, 16);
        }
    }
    return std::nullopt;
}

bool Has(unsigned long long mask, int signal) { return (mask >> (signal - 1)) & 1; }

class SpeechTest : public ::testing::Test {
protected:
    void SetUp() override {
        socketPath = "/tmp/lexadrill-speech-" + std::to_string(getpid()) + ".sock";
        service = std::make_unique<FakeSpeechService>(socketPath);
        setenv("SPEECHD_ADDRESS", service->Address().c_str(), 1);
    }
    void TearDown() override { platform::StopSpeech(); }

    std::string socketPath;
    std::unique_ptr<FakeSpeechService> service;
};

}  // namespace

TEST_F(SpeechTest, TurnedOffNothingIsSpokenUntilItIsTurnedOnAgain) {
    platform::Speak("uno", "es");
    ASSERT_TRUE(service->WaitForMessages(1, std::chrono::seconds(10)));
    platform::ToggleSpeech();
    EXPECT_FALSE(platform::SpeechEnabled());
    platform::Speak("dos", "es");
    platform::ToggleSpeech();
    EXPECT_TRUE(platform::SpeechEnabled());
    platform::Speak("tres", "es");
    ASSERT_TRUE(service->WaitForMessages(2, std::chrono::seconds(10)));
    EXPECT_EQ(Texts(*service), (std::vector<std::string>{"uno", "tres"}));
    EXPECT_EQ(service->Messages().back().language, "es");
}

TEST_F(SpeechTest, AServiceThatWentAwayIsReachedAgainByTheNextWord) {
    platform::Speak("uno", "es");
    ASSERT_TRUE(service->WaitForMessages(1, std::chrono::seconds(10)));
    service.reset();
    platform::Speak("dos", "es");  // on the broken connection: lost, without a SIGPIPE
    service = std::make_unique<FakeSpeechService>(socketPath);
    bool heard = false;
    for (int attempt = 0; attempt < 100 && !heard; ++attempt) {
        platform::Speak("tres", "es");
        heard = service->WaitForMessages(1, std::chrono::milliseconds(100));
    }
    ASSERT_TRUE(heard);
    EXPECT_EQ(Texts(*service).front(), "tres");
    EXPECT_EQ(service->Messages().front().language, "es") << "the new connection is set to Spanish again";
}

TEST_F(SpeechTest, TheSpeechThreadBlocksOnlyBrokenPipes) {
    platform::Speak("uno", "es");
    ASSERT_TRUE(service->WaitForMessages(1, std::chrono::seconds(10)));
    const std::optional<unsigned long long> blocked = BlockedSignalsOfThread("lexadrill-speak");
    ASSERT_TRUE(blocked.has_value()) << "no speech thread";
    EXPECT_TRUE(Has(*blocked, SIGPIPE));
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGCHLD, SIGALRM})
        EXPECT_FALSE(Has(*blocked, signal))
            << "a service started from the thread would not see signal " << signal;
}
