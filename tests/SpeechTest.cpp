// Speech through the service's real client library against a fake service: turning it off and on,
// and a service that goes away mid-run (the next word connects anew; the game is never stopped by
// the broken socket).
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <memory>
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
