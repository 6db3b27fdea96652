// A stand-in for the desktop's speech service in tests: it listens on a unix socket, answers the
// text protocol (SSIP) as far as the game speaks it, and records every text it was given, with the
// connection's language and the moment the SPEAK command arrived. The game reaches it through
// SPEECHD_ADDRESS; nothing is heard. One client at a time, served by a thread of its own. It can
// also stall as a wedged service does: reading on, but never answering again.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class FakeSpeechService {
public:
    struct Message {
        std::string text;
        std::string language;
        std::chrono::steady_clock::time_point received;  // of the SPEAK command
    };

    enum class Stall {
        None,
        Handshake,  // accepts a client and never answers its first command
        Speak,      // answers until a SPEAK command, then never again
    };

    // Binds and listens at socketPath (an old socket file there is removed first).
    explicit FakeSpeechService(const std::string& socketPath, Stall stall = Stall::None);
    ~FakeSpeechService();
    FakeSpeechService(const FakeSpeechService&) = delete;
    FakeSpeechService& operator=(const FakeSpeechService&) = delete;

    // The SPEECHD_ADDRESS value that leads a client here.
    std::string Address() const { return "unix_socket:" + path; }
    std::vector<Message> Messages() const;
    // Every command line received, in order (the texts themselves are in Messages()).
    std::vector<std::string> Commands() const;
    // Waits until at least `count` messages have arrived or `limit` has passed; true when they have.
    bool WaitForMessages(size_t count, std::chrono::milliseconds limit) const;
    // Waits until the service holds a client it no longer answers; true when it does.
    bool WaitUntilStalled(std::chrono::milliseconds limit) const;
    // Clients accepted so far.
    int Connections() const;

private:
    void Serve();
    void ServeClient(int client);
    std::string Answer(const std::string& line, std::string& language, bool& receiving);

    std::string path;
    Stall stall;
    bool stalled = false;  // under mutex
    int connections = 0;   // under mutex
    int listener = -1;
    bool stopping = false;  // under mutex
    mutable std::mutex mutex;
    mutable std::condition_variable arrived;
    std::vector<Message> messages;
    std::vector<std::string> commands;
    // The text being received, and when its SPEAK command came.
    std::string receivedText;
    std::chrono::steady_clock::time_point speakAt;
    std::thread server;
};
