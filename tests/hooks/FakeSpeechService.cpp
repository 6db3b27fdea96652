#include "tests/hooks/FakeSpeechService.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>

namespace {

constexpr int kPollMs = 20;  // how soon the server notices it is being stopped

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

FakeSpeechService::FakeSpeechService(const std::string& socketPath, Stall stall)
    : path(socketPath), stall(stall) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) throw std::runtime_error("socket path too long: " + path);
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    unlink(path.c_str());
    listener = socket(AF_UNIX, SOCK_STREAM, 0);
    if (listener < 0 || bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(listener, 4) != 0) {
        if (listener >= 0) close(listener);
        throw std::runtime_error("cannot listen at " + path);
    }
    server = std::thread(&FakeSpeechService::Serve, this);
}

FakeSpeechService::~FakeSpeechService() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    server.join();
    close(listener);
    unlink(path.c_str());
}

std::vector<FakeSpeechService::Message> FakeSpeechService::Messages() const {
    std::lock_guard<std::mutex> lock(mutex);
    return messages;
}

std::vector<std::string> FakeSpeechService::Commands() const {
    std::lock_guard<std::mutex> lock(mutex);
    return commands;
}

bool FakeSpeechService::WaitForMessages(size_t count, std::chrono::milliseconds limit) const {
    std::unique_lock<std::mutex> lock(mutex);
    return arrived.wait_for(lock, limit, [&] { return messages.size() >= count; });
}

bool FakeSpeechService::WaitUntilStalled(std::chrono::milliseconds limit) const {
    std::unique_lock<std::mutex> lock(mutex);
    return arrived.wait_for(lock, limit, [&] { return stalled; });
}

int FakeSpeechService::Connections() const {
    std::lock_guard<std::mutex> lock(mutex);
    return connections;
}

void FakeSpeechService::Serve() {
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (stopping) return;
        }
        pollfd waiting{listener, POLLIN, 0};
        if (poll(&waiting, 1, kPollMs) <= 0) continue;
        const int client = accept(listener, nullptr, nullptr);
        if (client < 0) continue;
        {
            std::lock_guard<std::mutex> lock(mutex);
            ++connections;
        }
        ServeClient(client);
        close(client);
    }
}

void FakeSpeechService::ServeClient(int client) {
    std::string buffer, language;
    bool receiving = false;
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (stopping) return;
        }
        pollfd waiting{client, POLLIN, 0};
        if (poll(&waiting, 1, kPollMs) <= 0) continue;
        char bytes[4096];
        const ssize_t got = read(client, bytes, sizeof(bytes));
        if (got <= 0) return;  // the client went away
        buffer.append(bytes, static_cast<size_t>(got));
        for (size_t end; (end = buffer.find("\r\n")) != std::string::npos;) {
            const std::string line = buffer.substr(0, end);
            buffer.erase(0, end + 2);
            const std::string reply = Answer(line, language, receiving);
            // The client may be gone before its reply is written: no SIGPIPE for the tests' process.
            if (!reply.empty() &&
                send(client, reply.data(), reply.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(reply.size()))
                return;
        }
    }
}

// One line from the client: a command, or while receiving a text one of its lines (the text ends
// with a line holding one dot; a leading dot of a text line comes doubled).
std::string FakeSpeechService::Answer(const std::string& line, std::string& language, bool& receiving) {
    std::lock_guard<std::mutex> lock(mutex);
    if (!stalled && !receiving &&
        (stall == Stall::Handshake || (stall == Stall::Speak && (line == "SPEAK" || line == "speak")))) {
        stalled = true;
        arrived.notify_all();
    }
    if (stalled) {
        commands.push_back(line);
        return "";
    }
    if (receiving) {
        if (line == ".") {
            receiving = false;
            messages.push_back(Message{receivedText, language, speakAt});
            arrived.notify_all();
            return "225-" + std::to_string(messages.size()) + "\r\n225 OK MESSAGE QUEUED\r\n";
        }
        if (!receivedText.empty()) receivedText += "\n";
        receivedText += StartsWith(line, "..") ? line.substr(1) : line;
        return "";
    }
    commands.push_back(line);
    if (StartsWith(line, "SET SELF CLIENT_NAME")) return "208 OK CLIENT NAME SET\r\n";
    if (StartsWith(line, "SET SELF LANGUAGE ")) {
        language = line.substr(std::strlen("SET SELF LANGUAGE "));
        return "201 OK LANGUAGE SET\r\n";
    }
    if (StartsWith(line, "SET SELF PRIORITY ")) return "202 OK PRIORITY SET\r\n";
    if (line == "CANCEL SELF") return "210 OK CANCELED\r\n";
    if (line == "QUIT") return "231 HAPPY HACKING\r\n";
    if (line == "SPEAK" || line == "speak") {
        receiving = true;
        receivedText.clear();
        speakAt = std::chrono::steady_clock::now();
        return "230 OK RECEIVING DATA\r\n";
    }
    return "300 ERR UNKNOWN COMMAND\r\n";
}
